// The phrase-file editor window PhraseEditor: a small word processor for the exercise files,
// with its speed bar, ruler, menus and status-bar hints.
#pragma once

#include "ui/DialogService.h"

#include <QMainWindow>
#include <QPrinter>
#include <QTextCharFormat>

class AccentCheck;
class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLineEdit;
class QStatusBar;
class QTextCursor;
class QToolButton;
class RichEdit;
class RulerMarker;
class RulerPanel;
class UpDown;

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

    // Fields of the window.
    QString DocumentName;
    bool SyncingControls = false;
    int DragOffset = 0;
    bool DraggingMarker = false;

    // The printer the print dialog sets up, kept between jobs.
    QPrinter &printer() { return m_printer; }
    // The application-wide hint: what the status bar shows.
    QString applicationHint() const { return m_hint; }
    // The marks of "Comprobar tildes".
    AccentCheck *accentCheck() const { return m_accentCheck; }

    // The open dialog's request with the filter given (its first entry selected).
    FileDialogRequest openDialogRequest(const QString &filter) const;
    // Loads a file into the box and takes its name; the document stays as it was when the
    // file cannot be read.
    void LoadDocument(const QString &path);
    // Asked when the program ends: offers to save the unsaved text of the shown editor. False
    // keeps the program open (Cancel, a failed save, or a save whose dialog was cancelled).
    bool CanLeaveProgram();
    // Before "&Modificar" replaces the document: offers to save the shown editor's unsaved
    // text. False when the replacing must not happen (Cancel, or a save not made).
    bool MayReplaceDocument();

    // Paragraph indents in whole points, as the box keeps them.
    struct Indents {
        int first = 0;
        int left = 0;
        int right = 0;
    };
    Indents paragraphIndents() const;

    // Controls, named as in the window's layout.
    QFrame *SpeedBar = nullptr;
    QFrame *Bevel1 = nullptr;
    QToolButton *OpenButton = nullptr;
    QToolButton *SaveButton = nullptr;
    QToolButton *PrintButton = nullptr;
    QToolButton *UndoButton = nullptr;
    QToolButton *CutButton = nullptr;
    QToolButton *CopyButton = nullptr;
    QToolButton *PasteButton = nullptr;
    QComboBox *FontName = nullptr;
    QLineEdit *FontSize = nullptr;
    UpDown *UpDown1 = nullptr;
    QToolButton *BoldButton = nullptr;
    QToolButton *ItalicButton = nullptr;
    QToolButton *UnderlineButton = nullptr;
    QToolButton *LeftAlign = nullptr;
    QToolButton *CenterAlign = nullptr;
    QToolButton *RightAlign = nullptr;
    QToolButton *BulletsButton = nullptr;
    RulerPanel *Ruler = nullptr;
    RulerMarker *FirstInd = nullptr;
    RulerMarker *LeftInd = nullptr;
    QFrame *RulerLine = nullptr;
    RulerMarker *RightInd = nullptr;
    RichEdit *RichEdit1 = nullptr;
    QStatusBar *StatusBar = nullptr;

    QAction *FileNewItem = nullptr;
    QAction *FileOpenItem = nullptr;
    QAction *FileSaveItem = nullptr;
    QAction *FileSaveAsItem = nullptr;
    QAction *FilePrintItem = nullptr;
    QAction *FileExitItem = nullptr;
    QAction *EditUndoItem = nullptr;
    QAction *EditCutItem = nullptr;
    QAction *EditCopyItem = nullptr;
    QAction *EditPasteItem = nullptr;
    QAction *miEditFont = nullptr;
    QAction *EditCheckAccentsItem = nullptr;
    QAction *HelpContentsItem = nullptr;
    QAction *HelpSearchItem = nullptr;
    QAction *HelpHowToUseItem = nullptr;
    QAction *HelpAboutItem = nullptr;

public slots:
    void FormCreate();
    void ShowHint();
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FilePrint();
    void FileExit();
    void EditUndo();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void HelpContents();
    void HelpSearch();
    void HelpHowToUse();
    void HelpAbout();
    void SelectFont();
    // "Comprobar tildes": marks the words misspelt only by their accents, selects the next one.
    void CheckAccents();
    void SelectionChange();
    void BoldButtonClick();
    void ItalicButtonClick();
    void UnderlineButtonClick();
    void FontSizeChange();
    void FontNameChange();
    void AlignButtonClick(QToolButton *sender);
    void BulletsButtonClick();
    void RulerResize();
    void FormResize();
    void RulerItemMouseDown(RulerMarker *sender, int x);
    void RulerItemMouseMove(RulerMarker *sender, int x);
    void FirstIndMouseUp();
    void LeftIndMouseUp();
    void RightIndMouseUp();

    void AssignDocumentName(const QString &name);
    // Only for a modified document: asks whether to save it. Cancel throws SilentAbort; Yes
    // saves; No goes on. Gives the answer (Ok when there was nothing to ask).
    MessageAnswer ConfirmSaveChanges();
    void ApplyEditMargins();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createSpeedBar(QWidget *client);
    void createRuler(QWidget *client);
    void createMenus();
    void LoadFontNames();
    void BuildRulerTicks();
    void setHint(const QString &hint);
    // Merges the format into the selection, or into what is typed next when nothing is selected.
    void mergeTargetAttributes(const QTextCharFormat &format);
    void applyStyleButton(QToolButton *button, const QTextCharFormat &on, const QTextCharFormat &off);
    MessageAnswer askToSave();
    // The help command through the help viewer, or the editor's own short help when no help
    // file shows it: each command its own text.
    void showHelp(unsigned command);
    QString editorHelpText() const;
    QString howToUseHelpText() const;
    // Asks for a word and shows the lines of the editor's help that speak of it.
    void searchHelp();
    bool saveDeclined(MessageAnswer answer) const;
    void saveTo(const QString &path);
    void RulerMarkerStepped(RulerMarker *sender, int pixels);
    void markerReleased(RulerMarker *marker);
    void setFirstIndent(int points);
    void setLeftIndent(int points);
    void setRightIndent(int points);

    QPrinter m_printer;
    AccentCheck *m_accentCheck = nullptr;
    QString m_hint;
};
