// BigText: a read-only viewer for long line lists, each line in its own colours, scrolled by pixels.
#pragma once

#include "shared/Colors.h"
#include "widgets/BigList.h"

#include <QAbstractScrollArea>

class TextAttributes;

class BigText : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(quint16 MaxLines READ MaxLines WRITE setMaxLines)
    Q_PROPERTY(quint16 PurgeLines READ PurgeLines WRITE setPurgeLines)
    Q_PROPERTY(TColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(TColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(bool FillBack READ FillBack WRITE setFillBack)
    Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE setScrollBars)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(int Count READ Count)

public:
    enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
    Q_ENUM(TScrollStyle)
    enum Bar { HorizontalBar = 0, VerticalBar = 1 };
    // Scroll codes understood by DoScroll.
    enum ScrollCode {
        LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3,
        ThumbPosition = 4, ThumbTrack = 5, Top = 6, Bottom = 7
    };
    // Longest line kept; longer lines are cut.
    static constexpr int MaxLineLength = 255;
    // With a line limit set, more lines than this are purged whatever the limit says.
    static constexpr int HardLineLimit = 32000;

    explicit BigText(QWidget *parent = nullptr);
    ~BigText() override;

    void Clear();
    // Replaces the content with the file's lines; throws AppError when it cannot be read.
    void LoadFromFile(const QString &FileName);
    void AddLine(const QString &Text, TColor FontColor, TColor BackColor, bool Show);
    QString GetLine(int Index) const;
    // Lines held, or -1 should the text and attribute stores ever disagree.
    int Count() const;

    // The line shown at a point of the viewport, or -1 where there is none.
    int lineAt(const QPoint &viewportPoint) const;

    void RecalcRange();
    void FontChanged();
    void ScrollTo(int Column, int Line);
    void DoScroll(int Bar, int Code, int ThumbPos);

    quint16 MaxLines() const { return m_maxLines; }
    void setMaxLines(quint16 lines) { m_maxLines = lines; }
    quint16 PurgeLines() const { return m_purgeLines; }
    void setPurgeLines(quint16 lines) { m_purgeLines = lines; }
    TColor ForeColor() const { return m_foreColor; }
    void setForeColor(TColor color) { m_foreColor = color; }
    TColor BackColor() const { return m_backColor; }
    void setBackColor(TColor color) { m_backColor = color; }
    bool FillBack() const { return m_fillBack; }
    void setFillBack(bool fill);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void setScrollBars(TScrollStyle style);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool parentColor);

    int HPos() const { return m_hPos; }
    int VPos() const { return m_vPos; }
    int CharWidth() const { return m_charWidth; }
    int LineHeight() const { return m_lineHeight; }
    int VisibleColumns() const { return m_visibleColumns; }
    int VisibleRows() const { return m_visibleRows; }
    int HMax() const { return m_hMax; }
    int VMax() const { return m_vMax; }
    const BigList &TextStore() const { return m_texts; }
    const BigList &AttributeStore() const { return m_attributes; }

    // Tabs to spaces so that the text after a tab starts at a 1-based column that is a multiple
    // of 8; then the line ends at its first NUL.
    static QString ExpandLine(QStringView line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Stores one line (no NUL in it), purging first when the line limit says so.
    void appendLine(QStringView Text, TColor FontColor, TColor BackColor);
    bool storeLine(QStringView text, TColor fontColor, TColor backColor);
    void purge();
    void releaseAll();
    void UpdateScrollBars();
    void applyScrollBarPolicies();
    void syncBarPositions();
    QColor windowColor() const;
    QRect rowRect(int line) const;

    BigList m_texts;
    BigList m_attributes;
    quint16 m_maxLines = 0;
    quint16 m_purgeLines = 200;
    TColor m_foreColor = Colors::clBlack;
    TColor m_backColor = Colors::clWhite;
    bool m_fillBack = false;
    TScrollStyle m_scrollBars = ssVertical;
    TColor m_color = Colors::clWindow;
    bool m_parentColor = false;
    int m_hPos = 0;
    int m_vPos = 0;
    int m_charWidth = 1;
    int m_lineHeight = 1;
    int m_visibleColumns = 0;
    int m_visibleRows = 0;
    int m_hMax = 0;
    int m_vMax = 0;
    // Characters in the longest line held: the horizontal range reaches its end and no further,
    // so the view can never be scrolled sideways past every line into an empty area.
    int m_longestLine = 0;
    // Set while the program moves the scroll bars, so their echo is not taken for the user's.
    bool m_syncingBars = false;
};
