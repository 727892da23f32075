// TabbedNotebook: a row of tabs over stacked pages that asks before every page switch.
#pragma once

#include <QFont>
#include <QPoint>
#include <QStringList>
#include <QWidget>

class QStackedWidget;
class QTabBar;

// One page of a TabbedNotebook; its caption is the text of its tab. Kept beside the notebook
// because a page means nothing on its own.
class TabPage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY captionChanged)
public:
    explicit TabPage(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

signals:
    void captionChanged(const QString &caption);

private:
    QString m_caption;
};

// Unlike QTabWidget, which switches silently, this notebook raises OnChange before any switch,
// whatever asks for it (a click on a tab, the arrow keys on the tabs, the wheel over them,
// Ctrl+Tab anywhere inside, or code). While OnChange runs, PageIndex still names the page
// being left and that page is still on view; a handler that clears AllowChange keeps it there.
class TabbedNotebook : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int PageIndex READ pageIndex WRITE setPageIndex)
    Q_PROPERTY(QString ActivePage READ activePage WRITE setActivePage)
    Q_PROPERTY(QStringList Pages READ pages)
    Q_PROPERTY(QFont TabFont READ tabFont WRITE setTabFont)
public:
    explicit TabbedNotebook(QWidget *parent = nullptr);
    ~TabbedNotebook() override;

    // Appends a page (the notebook takes it over); its tab follows its caption. The first page
    // added goes on view without asking, as there is nothing to leave. Returns its index.
    int addPage(TabPage *page);
    TabPage *addPage(const QString &caption);

    int count() const;
    TabPage *page(int index) const;
    // The captions of the pages, in order.
    QStringList pages() const;

    // The index of the page on view, -1 with no pages.
    int pageIndex() const { return m_pageIndex; }
    // Asks OnChange and switches when allowed; an index out of range or equal to the current
    // one does nothing. Returns whether the requested page is on view afterwards.
    bool selectPage(int index);
    void setPageIndex(int index) { selectPage(index); }

    // The caption of the page on view, empty with no pages.
    QString activePage() const;
    // Goes to the first page with that caption (exactly), asking as selectPage does.
    void setActivePage(const QString &caption);

    QFont tabFont() const;
    void setTabFont(const QFont &font);

    QTabBar *tabBar() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Raised before a switch to page NewTab; clearing AllowChange refuses it. Connect directly:
    // the flag is read back as soon as the signal returns.
    void OnChange(int NewTab, bool &AllowChange);
    // A left-button click on a tab, after any switch it caused.
    void OnClick();
    // Raised after a switch, with the new PageIndex.
    void pageChanged(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class NotebookTabBar;

    void showPage(int index);
    void tabBarIndexChanged(int index);
    void syncTabBar();
    void layoutChildren();
    QRect paneRect() const;

    QTabBar *m_tabBar = nullptr;
    QStackedWidget *m_stack = nullptr;
    int m_pageIndex = -1;
    // Set while the notebook itself moves the tab bar, so that move is not taken for a request.
    bool m_syncing = false;
    // Set while OnChange runs: a switch asked for from inside the handler is not started.
    bool m_asking = false;
};
