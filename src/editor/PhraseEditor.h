// The phrase-file editor window PhraseEditor: a small word processor for the exercise files,
// with its speed bar, ruler, menus and status-bar hints.
#pragma once

#include "ui/DialogService.h"

#include <QMainWindow>
#include <QPrinter>
#include <QTextCharFormat>

class AccentCheck;
class QAction;
class QComboBox;
class QFrame;
class QLineEdit;
class QStatusBar;
class QTextCursor;
class QToolButton;
class RichEdit;
class RulerMarker;
class RulerPanel;

class PhraseEditor : public QMainWindow {
    Q_OBJECT
public:
    // Ruler pixels per point, written as the exact fraction 4/3, and the text's free margin.
    static constexpr int RulerScaleNumerator = 4;
    static constexpr int RulerScaleDenominator = 3;
    static constexpr int EditMargin = 6;
    static const QString Untitled;
    // The largest file the editor opens. Opening costs about a third of a second of processor
    // time per megabyte (reading and laying out every paragraph, RTF or plain): past this the
    // window would stop answering for a second or more. Phrase files are a few kilobytes.
    static constexpr qint64 MaxDocumentBytes = 1024 * 1024;
    // The filters of the editor's dialogs and of the practice window's "&Modificar".
    static const QString EditorFilter;
    static const QString ModifyFilter;

    explicit PhraseEditor(QWidget *parent = nullptr);
    ~PhraseEditor() override;

    // The file the text was read from or last saved to, or Untitled.
    QString documentName() const { return m_documentName; }
    // The box the text is written in.
    RichEdit *textBox() const { return m_textBox; }

    // The open dialog's request with the filter given (its first entry selected).
    FileDialogRequest openDialogRequest(const QString &filter) const;
    // Loads a file into the box and takes its name; the document stays as it was when the
    // file cannot be read.
    void loadDocument(const QString &path);
    // Asked when the program ends: offers to save the unsaved text of the shown editor. False
    // keeps the program open (Cancel, a failed save, or a save whose dialog was cancelled).
    bool canLeaveProgram();
    // Before "&Modificar" replaces the document: offers to save the shown editor's unsaved
    // text. False when the replacing must not happen (Cancel, or a save not made).
    bool mayReplaceDocument();

    // Paragraph indents in whole points, as the box keeps them.
    struct Indents {
        int first = 0;
        int left = 0;
        int right = 0;
    };
    Indents paragraphIndents() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createSpeedBar(QWidget *client);
    void createRuler(QWidget *client);
    void createMenus();
    void initialize();
    void loadFontNames();
    void buildRulerTicks();
    void setHint(const QString &hint);

    // The file commands.
    void newDocument();
    void openDocument();
    void save();
    void saveAs();
    void print();
    void setDocumentName(const QString &name);
    // Only for a modified document: asks whether to save it. Cancel throws SilentAbort; Yes
    // saves; No goes on. Gives the answer (Ok when there was nothing to ask).
    MessageAnswer confirmSaveChanges();
    MessageAnswer askToSave();
    bool saveDeclined(MessageAnswer answer) const;
    void saveTo(const QString &path);

    // The format commands, and the tool bar and ruler showing the selection's format.
    void chooseFont();
    void showSelectionFormat();
    // Merges the format into the selection, or into what is typed next when nothing is selected.
    void mergeTargetAttributes(const QTextCharFormat &format);
    void applyStyleButton(QToolButton *button, const QTextCharFormat &on, const QTextCharFormat &off);
    void applyBold();
    void applyItalic();
    void applyUnderline();
    void applyFontSize();
    void applyFontName();
    void alignParagraphs(Qt::Alignment alignment);
    void applyBullets();
    void applyEditMargins();

    // "Comprobar tildes": marks the words misspelt only by their accents, selects the next one.
    void checkAccents();

    // The help command through the help viewer, or the editor's own short help when no help
    // file shows it: each command its own text.
    void showHelp(unsigned command);
    QString editorHelpText() const;
    QString howToUseHelpText() const;
    // Asks for a word and shows the lines of the editor's help that speak of it.
    void searchHelp();

    // The ruler's markers: dragged with the mouse or stepped with the arrow keys, each sets
    // its indent where it is released.
    void fitRulerLine();
    void startMarkerDrag(RulerMarker *marker, int x);
    void dragMarker(RulerMarker *marker, int x);
    void stepMarker(RulerMarker *marker, int pixels);
    void markerReleased(RulerMarker *marker);
    void firstIndentReleased();
    void leftIndentReleased();
    void rightIndentReleased();
    void setFirstIndent(int points);
    void setLeftIndent(int points);
    void setRightIndent(int points);

    QString m_documentName;
    // Set while the tool bar is brought in line with the selection: its changes then write
    // nothing back.
    bool m_syncingControls = false;
    int m_dragOffset = 0;
    bool m_draggingMarker = false;

    QFrame *m_toolBar = nullptr;
    QFrame *m_toolBarEdge = nullptr;
    QComboBox *m_fontNameBox = nullptr;
    QLineEdit *m_fontSizeBox = nullptr;
    QToolButton *m_boldButton = nullptr;
    QToolButton *m_italicButton = nullptr;
    QToolButton *m_underlineButton = nullptr;
    QToolButton *m_alignLeftButton = nullptr;
    QToolButton *m_centerButton = nullptr;
    QToolButton *m_alignRightButton = nullptr;
    QToolButton *m_bulletsButton = nullptr;
    RulerPanel *m_ruler = nullptr;
    RulerMarker *m_firstIndentMarker = nullptr;
    RulerMarker *m_leftIndentMarker = nullptr;
    QFrame *m_rulerLine = nullptr;
    RulerMarker *m_rightIndentMarker = nullptr;
    RichEdit *m_textBox = nullptr;
    QStatusBar *m_statusBar = nullptr;

    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_cutAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_pasteAction = nullptr;
    QAction *m_checkAccentsAction = nullptr;

    QPrinter m_printer;
    AccentCheck *m_accentCheck = nullptr;
    QString m_hint;
};
