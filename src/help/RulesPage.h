// The page "Reglas" of the help window: the accentuation rules as a reading text.
#pragma once

#include <QObject>

class QTextEdit;
class TabPage;

class RulesPage : public QObject {
    Q_OBJECT
public:
    explicit RulesPage(TabPage *page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sets the tab stops of the class table from the widths of its entries in the box's font.
    void alignTable();

    QTextEdit *m_rulesBox = nullptr;
};
