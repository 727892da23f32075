// "Comprobar tildes" in the editor: marks each word of the document that is misspelt only by its
// accents and offers its right form, from the context menu or the keyboard.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTextCursor>

class QTextEdit;
class SpellingDictionary;

class AccentCheck : public QObject {
    Q_OBJECT
public:
    // Watches the box: its context menu and tooltips, and its edits while marks are shown.
    explicit AccentCheck(QTextEdit *box);

    // Marks every word of the document that is no word but one of its accent variants is, and
    // gives how many. The dictionary must outlive the check. Marks follow the edits: a word
    // changed by hand is checked again; a change of the whole document takes them away.
    int check(const SpellingDictionary &dictionary);
    // Selects the first marked word after the cursor, from the start again past the last one.
    bool selectNextMark();
    // What the status bar says after a check or a step to a mark.
    QString summary() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Mark {
        QTextCursor word; // selects the word; moves with the edits around it
        QStringList forms;
    };
    void clear();
    int markCount() const { return int(m_marks.size()); }
    // Replaces the marked word at the position by the form, as one step of "Deshacer".
    bool replaceAt(int position, const QString &form);
    QString describeMarkAt(int position) const;
    void markRange(int from, int to);
    void documentChanged(int position, int removed, int added);
    void showMarks();
    int markIndexAt(int position) const;
    bool showMenu(int position, const QPoint &globalPosition);

    QTextEdit *m_box;
    const SpellingDictionary *m_dictionary = nullptr;
    QList<Mark> m_marks;
};
