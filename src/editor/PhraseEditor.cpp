// The phrase-file editor window PhraseEditor.
#include "editor/PhraseEditor.h"

#include "editor/AccentCheck.h"
#include "editor/EditorControls.h"
#include "editor/AboutWindow.h"
#include "platform/HelpViewer.h"
#include "richtext/RichTextFile.h"
#include "shared/AppError.h"
#include "shared/NumberFormat.h"
#include "spanish/SpellingDictionary.h"
#include "ui/AccentBar.h"
#include "ui/ErrorGuard.h"
#include "ui/WindowControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QActionGroup>
#include <QToolButton>
#include <QVBoxLayout>

using namespace WindowControls;

const QString PhraseEditor::Untitled = QStringLiteral("Sin título");
const QString PhraseEditor::EditorFilter =
    QStringLiteral("Archivos de texto (*.txt)|*.txt|Archivos RTF (*.rtf)|*.rtf");
const QString PhraseEditor::ModifyFilter =
    QStringLiteral("Archivos de texto (*.txt)|*.txt|Archivos RTF (*.rtf)|*.rtf");

namespace {

// The status part of a hint, kept on the control: a hint whose status part is empty ("Abrir|")
// must clear the status bar rather than repeat the tooltip.
const char *const statusHintProperty = "statusHint";

// "Tooltip|status": the text before the bar is the tooltip, the text after it the status-bar
// hint; a hint without a bar serves as both.
void setControlHint(QWidget *control, const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString tooltip = bar < 0 ? hint : hint.left(bar);
    const QString status = bar < 0 ? hint : hint.mid(bar + 1);
    control->setToolTip(tooltip);
    control->setStatusTip(status);
    control->setProperty(statusHintProperty, status);
}

// Twips, as the box keeps indents, from the document's pixels (15 twips each).
int twips(qreal pixels)
{
    return qRound(pixels * 15);
}

qreal pixels(int twipCount)
{
    return twipCount / 15.0;
}

// Exact conversions between points and ruler pixels, truncated toward zero.
int pointsToRuler(int points)
{
    return points * PhraseEditor::RulerScaleNumerator / PhraseEditor::RulerScaleDenominator;
}

int rulerToPoints(int rulerPixels)
{
    return rulerPixels * PhraseEditor::RulerScaleDenominator / PhraseEditor::RulerScaleNumerator;
}

// Where the paragraph's first line and its other lines start, in twips.
struct LineStarts {
    int first = 0;
    int others = 0;
};

LineStarts lineStarts(const QTextBlockFormat &format)
{
    const int others = twips(format.leftMargin());
    return {others + twips(format.textIndent()), others};
}

// The box keeps no line left of its edge: negative starts are taken as 0.
void setLineStarts(QTextBlockFormat &format, LineStarts starts)
{
    starts.first = qMax(0, starts.first);
    starts.others = qMax(0, starts.others);
    format.setLeftMargin(pixels(starts.others));
    format.setTextIndent(pixels(starts.first - starts.others));
}

// Applies the change to the block format of every paragraph of the selection, as one undo step.
template <typename Change>
void changeParagraphs(QTextEdit *box, Change change)
{
    QTextCursor cursor = box->textCursor();
    QTextDocument *document = box->document();
    QTextBlock block = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    QTextCursor editor(document);
    editor.beginEditBlock();
    for (;;) {
        QTextBlockFormat format = block.blockFormat();
        change(format);
        editor.setPosition(block.position());
        editor.setBlockFormat(format);
        if (block == last || !block.isValid())
            break;
        block = block.next();
    }
    editor.endEditBlock();
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QString &hint,
                 const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(hint);
    // Shown beside the caption in the menu, and working wherever the focus is in the window.
    action->setShortcut(shortcut);
    return action;
}

// What the help commands show: no help file comes with the program.
const QString editorHelpCaption = QStringLiteral("Ayuda del editor");

// A key as the menus show it ("Control+S" in Spanish).
QString keys(const QKeySequence &sequence)
{
    return sequence.toString(QKeySequence::NativeText);
}

} // namespace

PhraseEditor::PhraseEditor(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Edición de archivos de frases"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(client);
    // The menus first: their commands are the ones the tool buttons share.
    createMenus();
    createSpeedBar(client);
    createRuler(client);

    RichEdit1 = new RichEdit(client);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(true);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Documents are measured in points: the box's own font is "MS Sans Serif" of 8 points,
    // the window's 11 pixels.
    RichEdit1->document()->setDefaultFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    RichEdit1->document()->setDocumentMargin(0);
    RichEdit1->document()->setModified(false);
    layout->addWidget(SpeedBar);
    layout->addWidget(Ruler);
    layout->addWidget(RichEdit1, 1);
    // Letters a keyboard without Spanish keys lacks, typed into the text.
    auto *accents = new AccentBar(client);
    accents->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(accents);
    m_accentCheck = new AccentCheck(RichEdit1);
    // The text has the focus whenever the window is shown.
    RichEdit1->setFocus();
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this,
            ErrorGuard::guarded(this, &PhraseEditor::SelectionChange));
    connect(RichEdit1, &QTextEdit::selectionChanged, this, ErrorGuard::guarded(this, &PhraseEditor::SelectionChange));

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFixedHeight(19);
    StatusBar->setSizeGripEnabled(false);
    setStatusBar(StatusBar);

    resize(784, 525);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ErrorGuard::run([this] { FormCreate(); });
}

PhraseEditor::~PhraseEditor()
{
    qApp->removeEventFilter(this);
}

void PhraseEditor::createSpeedBar(QWidget *client)
{
    SpeedBar = new QFrame(client);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setFixedHeight(32);
    Bevel1 = new QFrame(SpeedBar);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(0, 0, 784, 2);

    // Each button shows one command: the menu item's when it has one, else a command of its
    // own. The command holds the picture, the tooltip, the checked state and the shortcut;
    // the button keeps its name and its own status hint ("Abrir|": none).
    const auto button = [this](const char *name, int left, const QString &hint, const char *picture,
                               QAction *command = nullptr) {
        QToolButton *speed = placeSpeedButton(SpeedBar, name, QRect(left, 5, 25, 25),
                                              EditorPictures::picture(QLatin1String(picture)), QSize(18, 18));
        setControlHint(speed, hint);
        if (!command) {
            command = new QAction(this);
            command->setObjectName(QLatin1String(name) + QStringLiteral("Command"));
            command->setStatusTip(speed->property(statusHintProperty).toString());
        }
        command->setIcon(speed->icon());
        command->setIconVisibleInMenu(false);
        command->setToolTip(speed->toolTip());
        speed->setDefaultAction(command);
        speed->setAccessibleName(speed->toolTip());
        return speed;
    };
    OpenButton = button("OpenButton", 8, QStringLiteral("Abrir|"), "open", FileOpenItem);
    SaveButton = button("SaveButton", 33, QStringLiteral("Guardar|"), "save", FileSaveItem);
    PrintButton = button("PrintButton", 58, QStringLiteral("Imprimir|"), "print", FilePrintItem);
    UndoButton = button("UndoButton", 89, QStringLiteral("Deshacer|"), "undo", EditUndoItem);
    CutButton = button("CutButton", 114, QStringLiteral("Cortar|"), "cut", EditCutItem);
    CopyButton = button("CopyButton", 139, QStringLiteral("Copiar|"), "copy", EditCopyItem);
    PasteButton = button("PasteButton", 164, QStringLiteral("Pegar|"), "paste", EditPasteItem);
    BoldButton = button("BoldButton", 380, QStringLiteral("Negrita"), "bold");
    ItalicButton = button("ItalicButton", 406, QStringLiteral("Cursiva"), "italic");
    UnderlineButton = button("UnderlineButton", 432, QStringLiteral("Subrayado"), "underline");
    LeftAlign = button("LeftAlign", 464, QStringLiteral("Alinear izquierda"), "left");
    CenterAlign = button("CenterAlign", 490, QStringLiteral("Centrar"), "center");
    RightAlign = button("RightAlign", 516, QStringLiteral("Alinear derecha"), "right");
    // Named as the editor's help names it: the button makes a bulleted list.
    BulletsButton = button("BulletsButton", 547, QStringLiteral("Viñetas"), "bullets");
    // The toggles from the keyboard, with the word processors' usual keys.
    BoldButton->defaultAction()->setShortcut(QKeySequence::Bold);
    ItalicButton->defaultAction()->setShortcut(QKeySequence::Italic);
    UnderlineButton->defaultAction()->setShortcut(QKeySequence::Underline);
    LeftAlign->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    CenterAlign->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    RightAlign->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    BulletsButton->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    LeftAlign->setProperty("Tag", 0);
    RightAlign->setProperty("Tag", 1);
    CenterAlign->setProperty("Tag", 2);

    // Toggles: a click (or the key) flips the command before its handler runs. They may all
    // be up; within the alignment group pressing one releases the other two.
    for (QToolButton *toggle : {BoldButton, ItalicButton, UnderlineButton, LeftAlign, CenterAlign, RightAlign,
                                BulletsButton})
        toggle->defaultAction()->setCheckable(true);
    const auto handle = [this](QToolButton *toggle, void (PhraseEditor::*handler)()) {
        connect(toggle->defaultAction(), &QAction::triggered, this, ErrorGuard::guarded(this, handler));
    };
    handle(BoldButton, &PhraseEditor::BoldButtonClick);
    handle(ItalicButton, &PhraseEditor::ItalicButtonClick);
    handle(UnderlineButton, &PhraseEditor::UnderlineButtonClick);
    handle(BulletsButton, &PhraseEditor::BulletsButtonClick);
    auto *alignGroup = new QActionGroup(this);
    alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QToolButton *align : {LeftAlign, CenterAlign, RightAlign}) {
        alignGroup->addAction(align->defaultAction());
        connect(align->defaultAction(), &QAction::triggered, this,
                [this, align] { ErrorGuard::run([&] { AlignButtonClick(align); }); });
    }

    FontName = new QComboBox(SpeedBar);
    FontName->setObjectName(QStringLiteral("FontName"));
    FontName->setAccessibleName(QStringLiteral("Fuente"));
    FontName->setEditable(true);
    FontName->setInsertPolicy(QComboBox::NoInsert);
    // The list is chosen from, not completed into: a name typed in part selects nothing.
    FontName->setCompleter(nullptr);
    FontName->setGeometry(194, 6, 131, 21);

    FontSize = new QLineEdit(QStringLiteral("0"), SpeedBar);
    FontSize->setObjectName(QStringLiteral("FontSize"));
    FontSize->setAccessibleName(QStringLiteral("Tamaño"));
    FontSize->setGeometry(328, 6, 31, 21);
    UpDown1 = new UpDown(SpeedBar);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(359, 6, 20, 21);
    UpDown1->setBuddy(FontSize);
}

void PhraseEditor::createRuler(QWidget *client)
{
    Ruler = new RulerPanel(client);
    Ruler->setObjectName(QStringLiteral("Ruler"));
    Ruler->setFixedHeight(26);
    Ruler->setFont(pixelFont(QStringLiteral("Arial"), 12));
    Ruler->setAccessibleName(QStringLiteral("Regla"));

    const auto marker = [this](const char *name, RulerMarker::Shape shape, const QRect &geometry) {
        auto *item = new RulerMarker(shape, Ruler);
        item->setObjectName(QLatin1String(name));
        item->setGeometry(geometry);
        connect(item, &RulerMarker::mouseDown, this,
                [this, item](int x) { ErrorGuard::run([&] { RulerItemMouseDown(item, x); }); });
        connect(item, &RulerMarker::mouseMove, this,
                [this, item](int x) { ErrorGuard::run([&] { RulerItemMouseMove(item, x); }); });
        connect(item, &RulerMarker::stepped, this,
                [this, item](int step) { ErrorGuard::run([&] { RulerMarkerStepped(item, step); }); });
        return item;
    };
    FirstInd = marker("FirstInd", RulerMarker::PointingDown, QRect(2, 2, 10, 9));
    LeftInd = marker("LeftInd", RulerMarker::PointingUp, QRect(2, 12, 10, 11));
    RulerLine = placeBevel(Ruler, "RulerLine", QRect(4, 12, 579, 2), QFrame::HLine);
    RulerLine->lower();
    RightInd = marker("RightInd", RulerMarker::PointingUp, QRect(575, 14, 10, 11));
    connect(FirstInd, &RulerMarker::mouseUp, this, ErrorGuard::guarded(this, &PhraseEditor::FirstIndMouseUp));
    connect(LeftInd, &RulerMarker::mouseUp, this, ErrorGuard::guarded(this, &PhraseEditor::LeftIndMouseUp));
    connect(RightInd, &RulerMarker::mouseUp, this, ErrorGuard::guarded(this, &PhraseEditor::RightIndMouseUp));
}

void PhraseEditor::createMenus()
{
    const auto handle = [this](QAction *action, void (PhraseEditor::*handler)()) {
        connect(action, &QAction::triggered, this, ErrorGuard::guarded(this, handler));
    };
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("&Fichero"));
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    FileNewItem = addItem(fileMenu, "FileNewItem", QStringLiteral("&Nuevo"), QStringLiteral("Crea un archivo nuevo"),
                          QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpenItem = addItem(fileMenu, "FileOpenItem", QStringLiteral("&Abrir"), QStringLiteral("Abre un archivo existente"),
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    FileSaveItem = addItem(fileMenu, "FileSaveItem", QStringLiteral("&Guardar"), QStringLiteral("Guarda el archivo actual"),
                           QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSaveAsItem = addItem(fileMenu, "FileSaveAsItem", QStringLiteral("Guardar &como..."),
                             QStringLiteral("Guarda el archivo actual con otro nombre"));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    FilePrintItem = addItem(fileMenu, "FilePrintItem", QStringLiteral("Im&primir"), QStringLiteral("Imprime el archivo actual"),
                            QKeySequence(Qt::CTRL | Qt::Key_P));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("N4"));
    FileExitItem = addItem(fileMenu, "FileExitItem", QStringLiteral("&Salir"), QStringLiteral("Cierra el editor"),
                           QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("&Editar"));
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    EditUndoItem = addItem(editMenu, "EditUndoItem", QStringLiteral("&Deshacer"), QStringLiteral("Deshace la última acción"),
                           QKeySequence(Qt::CTRL | Qt::Key_Z));
    editMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    EditCutItem = addItem(editMenu, "EditCutItem", QStringLiteral("Co&rtar"), QStringLiteral("Corta la selección y la pasa al portapapeles"),
                          QKeySequence(Qt::CTRL | Qt::Key_X));
    EditCopyItem = addItem(editMenu, "EditCopyItem", QStringLiteral("&Copiar"),
                           QStringLiteral("Copia la selección al portapapeles"), QKeySequence(Qt::CTRL | Qt::Key_C));
    EditPasteItem = addItem(editMenu, "EditPasteItem", QStringLiteral("&Pegar"),
                            QStringLiteral("Pega el contenido del portapapeles"), QKeySequence(Qt::CTRL | Qt::Key_V));
    editMenu->addSeparator()->setObjectName(QStringLiteral("N5"));
    miEditFont = addItem(editMenu, "miEditFont", QStringLiteral("&Fuentes..."), QString());
    editMenu->addSeparator()->setObjectName(QStringLiteral("N6"));
    EditCheckAccentsItem = addItem(editMenu, "EditCheckAccentsItem", QStringLiteral("Comprobar &tildes"),
                                   QStringLiteral("Subraya las palabras con las tildes mal puestas y va a la siguiente"),
                                   QKeySequence(Qt::Key_F7));

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    HelpContentsItem = addItem(helpMenu, "HelpContentsItem", QStringLiteral("&Contenidos"),
                               QStringLiteral("Muestra el índice de la ayuda"));
    HelpSearchItem = addItem(helpMenu, "HelpSearchItem", QStringLiteral("&Buscar ayuda sobre..."),
                             QStringLiteral("Busca un tema en la ayuda"));
    HelpHowToUseItem = addItem(helpMenu, "HelpHowToUseItem", QStringLiteral("&Cómo usar la ayuda"),
                               QStringLiteral("Explica cómo usar la ayuda"));
    helpMenu->addSeparator()->setObjectName(QStringLiteral("N3"));
    HelpAboutItem = addItem(helpMenu, "HelpAboutItem", QStringLiteral("&Sobre..."),
                            QStringLiteral("Muestra la información del programa"));

    handle(FileNewItem, &PhraseEditor::FileNew);
    handle(FileOpenItem, &PhraseEditor::FileOpen);
    handle(FileSaveItem, &PhraseEditor::FileSave);
    handle(FileSaveAsItem, &PhraseEditor::FileSaveAs);
    handle(FilePrintItem, &PhraseEditor::FilePrint);
    handle(FileExitItem, &PhraseEditor::FileExit);
    handle(EditUndoItem, &PhraseEditor::EditUndo);
    handle(EditCutItem, &PhraseEditor::EditCut);
    handle(EditCopyItem, &PhraseEditor::EditCopy);
    handle(EditPasteItem, &PhraseEditor::EditPaste);
    handle(miEditFont, &PhraseEditor::SelectFont);
    handle(EditCheckAccentsItem, &PhraseEditor::CheckAccents);
    handle(HelpContentsItem, &PhraseEditor::HelpContents);
    handle(HelpSearchItem, &PhraseEditor::HelpSearch);
    handle(HelpHowToUseItem, &PhraseEditor::HelpHowToUse);
    handle(HelpAboutItem, &PhraseEditor::HelpAbout);
}

void PhraseEditor::FormCreate()
{
    // Every hint shown anywhere in the program is mirrored in this window's status bar.
    qApp->installEventFilter(this);
    AssignDocumentName(Untitled);
    LoadFontNames();
    BuildRulerTicks();
    connect(FontSize, &QLineEdit::textChanged, this, ErrorGuard::guarded(this, &PhraseEditor::FontSizeChange));
    connect(FontName, &QComboBox::editTextChanged, this, ErrorGuard::guarded(this, &PhraseEditor::FontNameChange));
    SelectionChange();
}

bool PhraseEditor::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        // A tool button takes its command's status tip, the menu item's hint; on the bar the
        // button's own hint holds (empty for "Abrir|").
        if (const QVariant own = watched->property(statusHintProperty); own.isValid()) {
            setHint(static_cast<QStatusTipEvent *>(event)->tip().isEmpty() ? QString() : own.toString());
            return true;
        }
        setHint(static_cast<QStatusTipEvent *>(event)->tip());
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (auto *control = qobject_cast<QWidget *>(watched)) {
            const QVariant status = control->property(statusHintProperty);
            // Controls with a tooltip alone (the practice window's tool buttons) have hints
            // without a bar: the tooltip is their status hint as well.
            const QString hint = status.isValid() ? status.toString() : control->toolTip();
            if (status.isValid() || !hint.isEmpty())
                setHint(event->type() == QEvent::Enter ? hint : QString());
        }
        break;
    case QEvent::Resize:
        if (watched == Ruler)
            ErrorGuard::run([this] { RulerResize(); });
        else if (watched == SpeedBar)
            Bevel1->resize(SpeedBar->width(), Bevel1->height());
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void PhraseEditor::setHint(const QString &hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    ShowHint();
}

void PhraseEditor::ShowHint()
{
    StatusBar->showMessage(m_hint);
}

void PhraseEditor::LoadFontNames()
{
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const QSignalBlocker quiet(FontName);
    FontName->clear();
    FontName->addItems(families);
    FontName->setCurrentIndex(-1);
}

void PhraseEditor::BuildRulerTicks()
{
    Ruler->setCaption(QStringLiteral("\t|").repeated(100));
}

void PhraseEditor::ApplyEditMargins()
{
    RichEdit1->setFormattingMargins(EditMargin, EditMargin);
}

void PhraseEditor::AssignDocumentName(const QString &name)
{
    DocumentName = name;
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(name).fileName(), QCoreApplication::applicationName()));
}

MessageAnswer PhraseEditor::askToSave()
{
    return DialogService::instance().message(
        this, QStringLiteral("¿Guardar cambios en %1?").arg(QDir::toNativeSeparators(DocumentName)),
        QStringLiteral("Confirmar"), MessageIcon::Question, MessageButtons::YesNoCancel);
}

MessageAnswer PhraseEditor::ConfirmSaveChanges()
{
    if (!RichEdit1->document()->isModified())
        return MessageAnswer::Ok;
    const MessageAnswer answer = askToSave();
    switch (answer) {
    case MessageAnswer::Yes: FileSave(); break;
    case MessageAnswer::No: break;
    default: throw SilentAbort();
    }
    return answer;
}

// A save that was wanted but not made (its dialog cancelled) leaves the text unsaved.
bool PhraseEditor::saveDeclined(MessageAnswer answer) const
{
    return answer == MessageAnswer::Yes && RichEdit1->document()->isModified();
}

bool PhraseEditor::CanLeaveProgram()
{
    // Text in the hidden editor was already answered for when the editor was closed; the
    // student cannot see it, so there is nothing to ask about.
    if (!isVisible())
        return true;
    try {
        if (saveDeclined(ConfirmSaveChanges()))
            return false;
    } catch (...) {
        // Cancel, or a save that failed: the program stays open with the text.
        ErrorGuard::reportCurrentException();
        return false;
    }
    // Answered: closing this window as the program ends must not ask again.
    RichEdit1->document()->setModified(false);
    return true;
}

bool PhraseEditor::MayReplaceDocument()
{
    // A hidden editor's text was answered for when it was closed.
    if (!isVisible())
        return true;
    return !saveDeclined(ConfirmSaveChanges());
}

void PhraseEditor::FileNew()
{
    // Unsaved text is not dropped without asking, nor when the save asked for was not made.
    if (saveDeclined(ConfirmSaveChanges()))
        return;
    AssignDocumentName(Untitled);
    RichEdit1->clear();
    RichEdit1->document()->setModified(false);
    SelectionChange();
}

FileDialogRequest PhraseEditor::openDialogRequest(const QString &filter) const
{
    FileDialogRequest request;
    request.title = QStringLiteral("Abrir");
    // The exercise files live in the program's working folder, not beside the executable.
    request.initialFolder = QDir::currentPath();
    request.filter = filter;
    request.filterIndex = 1;
    request.defaultExtension = QStringLiteral("txt");
    return request;
}

void PhraseEditor::LoadDocument(const QString &path)
{
    // Laying out every paragraph of a long document keeps the window from answering: such a
    // file is refused before it is read.
    const qint64 size = QFileInfo(path).size();
    if (size > MaxDocumentBytes)
        throw AppError(QStringLiteral("El archivo %1 ocupa %2 y el editor solo abre archivos de hasta %3.")
                           .arg(QDir::toNativeSeparators(path), NumberFormat::dataSize(size),
                                NumberFormat::dataSize(MaxDocumentBytes)));
    RichTextFile::load(*RichEdit1->document(), path);
    AssignDocumentName(path);
    RichEdit1->document()->setModified(false);
    SelectionChange();
}

void PhraseEditor::FileOpen()
{
    ConfirmSaveChanges();
    const FileDialogResult chosen = DialogService::instance().openFile(this, openDialogRequest(EditorFilter));
    if (!chosen.accepted)
        return;
    LoadDocument(chosen.path);
    RichEdit1->setFocus();
    // The open dialog offers no read-only choice: the box stays editable.
    RichEdit1->setReadOnly(false);
}

void PhraseEditor::saveTo(const QString &path)
{
    // Always RTF, whatever the extension: the exercise loaders read the text lines of RTF.
    RichTextFile::save(*RichEdit1->document(), path);
}

void PhraseEditor::FileSave()
{
    if (DocumentName == Untitled) {
        FileSaveAs();
        return;
    }
    saveTo(DocumentName);
    RichEdit1->document()->setModified(false);
}

void PhraseEditor::FileSaveAs()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Guardar como");
    // The exercise files live in the program's working folder, not beside the executable.
    request.initialFolder = QDir::currentPath();
    request.filter = EditorFilter;
    request.filterIndex = 1;
    request.defaultExtension = QStringLiteral("txt");
    const FileDialogResult chosen = DialogService::instance().saveFile(this, request);
    if (!chosen.accepted)
        return;
    const QString path = DialogText::withDefaultExtension(chosen.path, request.defaultExtension);
    if (QFileInfo::exists(path)) {
        const MessageAnswer answer = DialogService::instance().message(
            this, QStringLiteral("¿Quieres sobrescribir %1?").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Confirmar"), MessageIcon::Question, MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::Yes)
            return;
    }
    saveTo(path);
    AssignDocumentName(path);
    RichEdit1->document()->setModified(false);
}

void PhraseEditor::FilePrint()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (DialogService::instance().execModal(dialog) != QDialog::Accepted)
        return;
    m_printer.setDocName(DocumentName);
    RichEdit1->document()->print(&m_printer);
    if (m_printer.printerState() == QPrinter::Error)
        throw AppError(QStringLiteral("No se pudo imprimir %1.").arg(QDir::toNativeSeparators(DocumentName)));
}

void PhraseEditor::FileExit()
{
    // As the close box: unsaved text is offered for saving before the window goes.
    close();
}

void PhraseEditor::EditUndo()
{
    RichEdit1->undo();
}

void PhraseEditor::EditCut()
{
    RichEdit1->cut();
}

void PhraseEditor::EditCopy()
{
    RichEdit1->copy();
}

void PhraseEditor::EditPaste()
{
    RichEdit1->paste();
}

void PhraseEditor::CheckAccents()
{
    // The dictionary is read the first time it is needed, not when the program starts.
    const SpellingDictionary *dictionary = nullptr;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        dictionary = &SpellingDictionary::shared();
        if (dictionary->isAvailable())
            m_accentCheck->check(*dictionary);
    }
    if (!dictionary->isAvailable()) {
        DialogService::instance().message(this, dictionary->unavailableText(), QStringLiteral("Comprobar tildes"),
                                          MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    m_accentCheck->selectNextMark();
    setHint(m_accentCheck->summary());
    RichEdit1->setFocus();
}

QString PhraseEditor::editorHelpText() const
{
    const QStringList lines = {
        QStringLiteral("Este editor prepara los archivos de los ejercicios: en los de frases, una frase "
                       "por línea, escrita con sus tildes; en los del tablero, una palabra por línea."),
        QString(),
        QStringLiteral("Fichero: Nuevo (%1), Abrir (%2), Guardar (%3), Guardar como, Imprimir (%4) y Salir (%5).")
            .arg(keys(FileNewItem->shortcut()), keys(FileOpenItem->shortcut()), keys(FileSaveItem->shortcut()),
                 keys(FilePrintItem->shortcut()), keys(FileExitItem->shortcut())),
        QStringLiteral("Editar: Deshacer (%1), Cortar (%2), Copiar (%3), Pegar (%4) y Fuentes.")
            .arg(keys(EditUndoItem->shortcut()), keys(EditCutItem->shortcut()), keys(EditCopyItem->shortcut()),
                 keys(EditPasteItem->shortcut())),
        QStringLiteral("Formato: Negrita (%1), Cursiva (%2), Subrayado (%3); alinear a la izquierda (%4), "
                       "centrar (%5), alinear a la derecha (%6); viñetas (%7).")
            .arg(keys(BoldButton->defaultAction()->shortcut()), keys(ItalicButton->defaultAction()->shortcut()),
                 keys(UnderlineButton->defaultAction()->shortcut()), keys(LeftAlign->defaultAction()->shortcut()),
                 keys(CenterAlign->defaultAction()->shortcut()), keys(RightAlign->defaultAction()->shortcut()),
                 keys(BulletsButton->defaultAction()->shortcut())),
        QStringLiteral("Comprobar tildes (%1) subraya en rojo cada palabra que solo está mal por sus tildes y "
                       "lleva el cursor a la siguiente; la tecla Menú o Mayús+F10 (o el botón derecho del ratón) "
                       "ofrece su forma correcta.")
            .arg(keys(EditCheckAccentsItem->shortcut())),
        QStringLiteral("La regla muestra las sangrías del párrafo: arrastra sus marcas con el ratón o, con "
                       "Tab hasta una marca, muévela con las flechas."),
        QString(),
        QStringLiteral("Los archivos se guardan siempre como texto enriquecido (RTF); los ejercicios leen "
                       "igualmente sus líneas."),
    };
    return lines.join(QLatin1Char('\n'));
}

QString PhraseEditor::howToUseHelpText() const
{
    const QStringList lines = {
        QStringLiteral("La ayuda del editor está en el menú Ayuda:"),
        QStringLiteral("«Contenidos» resume las órdenes de cada menú y sus teclas;"),
        QStringLiteral("«Buscar ayuda sobre...» busca una palabra (por ejemplo «guardar» o «regla») en ese "
                       "resumen y muestra lo que dice de ella."),
        QString(),
        QStringLiteral("Al señalar un botón con el ratón aparece su nombre, y la barra de abajo dice qué "
                       "hace la orden de menú marcada."),
    };
    return lines.join(QLatin1Char('\n'));
}

void PhraseEditor::showHelp(unsigned command)
{
    if (HelpViewer::request(command))
        return;
    if (command == HelpViewer::PartialKey) {
        searchHelp();
        return;
    }
    DialogService::instance().message(this, command == HelpViewer::HelpOnHelp ? howToUseHelpText() : editorHelpText(),
                                      editorHelpCaption, MessageIcon::Information, MessageButtons::Ok);
}

namespace {
// Letters compared as a reader would look them up: no case, no accents.
QString lookupForm(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c.toCaseFolded();
    return plain;
}
} // namespace

void PhraseEditor::searchHelp()
{
    QInputDialog question(this);
    question.setObjectName(QStringLiteral("BuscarAyuda"));
    question.setWindowTitle(QStringLiteral("Buscar ayuda sobre..."));
    question.setLabelText(QStringLiteral("Escribe la palabra que buscas:"));
    question.setOkButtonText(QStringLiteral("Buscar"));
    question.setCancelButtonText(QStringLiteral("Cancelar"));
    if (DialogService::instance().execModal(question) != QDialog::Accepted)
        return;
    const QString word = question.textValue().simplified();
    if (word.isEmpty())
        return;
    QStringList found;
    for (const QString &line : editorHelpText().split(QLatin1Char('\n')))
        if (lookupForm(line).contains(lookupForm(word)))
            found << line;
    const QString text = found.isEmpty()
                             ? QStringLiteral("La ayuda del editor no dice nada de «%1».").arg(word)
                             : QStringLiteral("Lo que dice la ayuda del editor de «%1»:\n\n").arg(word) + found.join(QLatin1Char('\n'));
    DialogService::instance().message(this, text, QStringLiteral("Buscar ayuda sobre..."), MessageIcon::Information,
                                      MessageButtons::Ok);
}

void PhraseEditor::HelpContents()
{
    showHelp(HelpViewer::Contents);
}

void PhraseEditor::HelpSearch()
{
    showHelp(HelpViewer::PartialKey);
}

void PhraseEditor::HelpHowToUse()
{
    showHelp(HelpViewer::HelpOnHelp);
}

void PhraseEditor::HelpAbout()
{
    AboutWindow::open(this);
}

namespace {

// The selection's font with what its format leaves unset taken from the document.
QFont selectionFont(const QTextEdit *box)
{
    return box->currentCharFormat().font().resolve(box->document()->defaultFont());
}

int pointSize(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return qRound(font.pointSizeF());
    return font.pixelSize() * 3 / 4;
}

} // namespace

void PhraseEditor::SelectFont()
{
    QFontDialog dialog(selectionFont(RichEdit1), this);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    if (DialogService::instance().execModal(dialog) == QDialog::Accepted) {
        const QFont chosen = dialog.currentFont();
        QTextCharFormat format;
        format.setFontFamilies({chosen.family()});
        if (chosen.pointSizeF() > 0)
            format.setFontPointSize(chosen.pointSizeF());
        format.setFontWeight(chosen.weight());
        format.setFontItalic(chosen.italic());
        format.setFontUnderline(chosen.underline());
        format.setFontStrikeOut(chosen.strikeOut());
        mergeTargetAttributes(format);
        SelectionChange();
    }
    RichEdit1->setFocus();
}

void PhraseEditor::mergeTargetAttributes(const QTextCharFormat &format)
{
    QTextCursor cursor = RichEdit1->textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    else
        RichEdit1->mergeCurrentCharFormat(format);
}

PhraseEditor::Indents PhraseEditor::paragraphIndents() const
{
    const QTextBlockFormat format = RichEdit1->textCursor().blockFormat();
    const LineStarts starts = lineStarts(format);
    return {starts.first / 20, (starts.others - starts.first) / 20, twips(format.rightMargin()) / 20};
}

void PhraseEditor::SelectionChange()
{
    SyncingControls = true;
    const auto done = qScopeGuard([this] { SyncingControls = false; });

    const Indents indents = paragraphIndents();
    FirstInd->move(pointsToRuler(indents.first) + 2, FirstInd->y());
    LeftInd->move(pointsToRuler(indents.left + indents.first) + 2, LeftInd->y());
    RightInd->move((Ruler->width() - EditMargin) - pointsToRuler(indents.right + EditMargin), RightInd->y());
    FirstInd->setAccessibleName(QStringLiteral("Sangría de primera línea: %1 puntos").arg(indents.first));
    LeftInd->setAccessibleName(QStringLiteral("Sangría izquierda: %1 puntos").arg(indents.left));
    RightInd->setAccessibleName(QStringLiteral("Sangría derecha: %1 puntos").arg(indents.right));

    const QFont font = selectionFont(RichEdit1);
    BoldButton->defaultAction()->setChecked(font.bold());
    ItalicButton->defaultAction()->setChecked(font.italic());
    UnderlineButton->defaultAction()->setChecked(font.underline());
    const QTextCursor cursor = RichEdit1->textCursor();
    BulletsButton->defaultAction()->setChecked(cursor.currentList() != nullptr);
    FontSize->setText(QString::number(pointSize(font)));
    FontName->setEditText(font.family());

    const Qt::Alignment alignment = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    QToolButton *pressed = LeftAlign;
    if (alignment & Qt::AlignHCenter)
        pressed = CenterAlign;
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        pressed = RightAlign;
    for (QToolButton *align : {LeftAlign, CenterAlign, RightAlign})
        align->defaultAction()->setChecked(align == pressed);
}

void PhraseEditor::applyStyleButton(QToolButton *button, const QTextCharFormat &on, const QTextCharFormat &off)
{
    if (SyncingControls)
        return;
    mergeTargetAttributes(button->defaultAction()->isChecked() ? on : off);
}

void PhraseEditor::BoldButtonClick()
{
    QTextCharFormat on, off;
    on.setFontWeight(QFont::Bold);
    off.setFontWeight(QFont::Normal);
    applyStyleButton(BoldButton, on, off);
}

void PhraseEditor::ItalicButtonClick()
{
    QTextCharFormat on, off;
    on.setFontItalic(true);
    off.setFontItalic(false);
    applyStyleButton(ItalicButton, on, off);
}

void PhraseEditor::UnderlineButtonClick()
{
    QTextCharFormat on, off;
    on.setFontUnderline(true);
    off.setFontUnderline(false);
    applyStyleButton(UnderlineButton, on, off);
}

void PhraseEditor::FontSizeChange()
{
    if (SyncingControls)
        return;
    bool ok = false;
    const int size = FontSize->text().toInt(&ok);
    if (!ok)
        throw AppError(QStringLiteral("'%1' no es un número entero válido").arg(FontSize->text()));
    // A size of no points draws nothing: the box keeps the size it has.
    if (size <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(size);
    mergeTargetAttributes(format);
}

void PhraseEditor::FontNameChange()
{
    if (SyncingControls)
        return;
    const int index = FontName->findText(FontName->currentText(), Qt::MatchExactly);
    if (index < 0)
        throw AppError(QStringLiteral("Índice de lista fuera de rango (%1)").arg(index));
    QTextCharFormat format;
    format.setFontFamilies({FontName->itemText(index)});
    mergeTargetAttributes(format);
}

void PhraseEditor::AlignButtonClick(QToolButton *sender)
{
    if (SyncingControls)
        return;
    switch (sender->property("Tag").toInt()) {
    case 1: RichEdit1->setAlignment(Qt::AlignRight); break;
    case 2: RichEdit1->setAlignment(Qt::AlignHCenter); break;
    default: RichEdit1->setAlignment(Qt::AlignLeft); break;
    }
}

void PhraseEditor::BulletsButtonClick()
{
    if (SyncingControls)
        return;
    QTextCursor cursor = RichEdit1->textCursor();
    if (BulletsButton->defaultAction()->isChecked()) {
        if (!cursor.currentList())
            cursor.createList(QTextListFormat::ListDisc);
        return;
    }
    QTextDocument *document = RichEdit1->document();
    QTextBlock block = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    cursor.beginEditBlock();
    for (;;) {
        if (QTextList *list = block.textList()) {
            list->remove(block);
            // Leaving the list moves its indent onto the paragraph; without bullets it has none.
            QTextCursor at(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            at.setBlockFormat(format);
        }
        if (block == last || !block.isValid())
            break;
        block = block.next();
    }
    cursor.endEditBlock();
}

void PhraseEditor::RulerResize()
{
    RulerLine->resize(Ruler->width() - 2 * RulerLine->x(), RulerLine->height());
}

void PhraseEditor::FormResize()
{
    ApplyEditMargins();
    SelectionChange();
}

void PhraseEditor::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    ErrorGuard::run([this] { FormResize(); });
}

void PhraseEditor::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    ApplyEditMargins();
    // The ruler has its final width only now: place the right marker from it.
    ErrorGuard::run([this] { SelectionChange(); });
}

void PhraseEditor::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery: any failure, Cancel's silent abort included, keeps the window open, and
    // so does a save that was asked for but not made: hidden, the text could not be reached.
    try {
        if (saveDeclined(ConfirmSaveChanges())) {
            event->ignore();
            return;
        }
    } catch (...) {
        // A save that failed says why; Cancel passes quietly.
        ErrorGuard::reportCurrentException();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void PhraseEditor::RulerItemMouseDown(RulerMarker *sender, int x)
{
    DragOffset = sender->width() / 2;
    sender->move(sender->x() + x - DragOffset, sender->y());
    DraggingMarker = true;
}

void PhraseEditor::RulerItemMouseMove(RulerMarker *sender, int x)
{
    if (DraggingMarker)
        sender->move(sender->x() + x - DragOffset, sender->y());
}

void PhraseEditor::setFirstIndent(int points)
{
    changeParagraphs(RichEdit1, [points](QTextBlockFormat &format) {
        // The other lines keep their distance from the first.
        const LineStarts starts = lineStarts(format);
        const int first = qMax(0, points * 20);
        setLineStarts(format, {first, first + starts.others - starts.first});
    });
}

void PhraseEditor::setLeftIndent(int points)
{
    changeParagraphs(RichEdit1, [points](QTextBlockFormat &format) {
        const LineStarts starts = lineStarts(format);
        setLineStarts(format, {starts.first, starts.first + points * 20});
    });
}

void PhraseEditor::setRightIndent(int points)
{
    changeParagraphs(RichEdit1, [points](QTextBlockFormat &format) {
        format.setRightMargin(pixels(qMax(0, points * 20)));
    });
}

void PhraseEditor::FirstIndMouseUp()
{
    DraggingMarker = false;
    setFirstIndent(rulerToPoints(FirstInd->x() + DragOffset - EditMargin));
    LeftIndMouseUp();
}

void PhraseEditor::LeftIndMouseUp()
{
    DraggingMarker = false;
    setLeftIndent(rulerToPoints(LeftInd->x() + DragOffset - EditMargin) - paragraphIndents().first);
    SelectionChange();
}

void PhraseEditor::RightIndMouseUp()
{
    DraggingMarker = false;
    setRightIndent(rulerToPoints(Ruler->width() - RightInd->x() + DragOffset - 2) - 2 * EditMargin);
    SelectionChange();
}

void PhraseEditor::RulerMarkerStepped(RulerMarker *sender, int pixelStep)
{
    DragOffset = sender->width() / 2;
    sender->move(sender->x() + pixelStep, sender->y());
    markerReleased(sender);
}

void PhraseEditor::markerReleased(RulerMarker *marker)
{
    if (marker == FirstInd)
        FirstIndMouseUp();
    else if (marker == LeftInd)
        LeftIndMouseUp();
    else
        RightIndMouseUp();
}
