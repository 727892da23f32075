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

    m_textBox = new RichEdit(client);
    m_textBox->setObjectName(QStringLiteral("RichEdit1"));
    m_textBox->setAcceptRichText(true);
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Documents are measured in points: the box's own font is "MS Sans Serif" of 8 points,
    // the window's 11 pixels.
    m_textBox->document()->setDefaultFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    m_textBox->document()->setDocumentMargin(0);
    m_textBox->document()->setModified(false);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_ruler);
    layout->addWidget(m_textBox, 1);
    // Letters a keyboard without Spanish keys lacks, typed into the text.
    auto *accents = new AccentBar(client);
    accents->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(accents);
    m_accentCheck = new AccentCheck(m_textBox);
    // The text has the focus whenever the window is shown.
    m_textBox->setFocus();
    connect(m_textBox, &QTextEdit::cursorPositionChanged, this,
            ErrorGuard::guarded(this, &PhraseEditor::showSelectionFormat));
    connect(m_textBox, &QTextEdit::selectionChanged, this, ErrorGuard::guarded(this, &PhraseEditor::showSelectionFormat));

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_statusBar->setFixedHeight(19);
    m_statusBar->setSizeGripEnabled(false);
    setStatusBar(m_statusBar);

    resize(784, 525);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ErrorGuard::run([this] { initialize(); });
}

PhraseEditor::~PhraseEditor()
{
    qApp->removeEventFilter(this);
}

void PhraseEditor::createSpeedBar(QWidget *client)
{
    m_toolBar = new QFrame(client);
    m_toolBar->setObjectName(QStringLiteral("SpeedBar"));
    m_toolBar->setFixedHeight(32);
    m_toolBarEdge = new QFrame(m_toolBar);
    m_toolBarEdge->setObjectName(QStringLiteral("Bevel1"));
    m_toolBarEdge->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    m_toolBarEdge->setGeometry(0, 0, 784, 2);

    // Each button shows one command: the menu item's when it has one, else a command of its
    // own. The command holds the picture, the tooltip, the checked state and the shortcut;
    // the button keeps its name and its own status hint ("Abrir|": none).
    const auto button = [this](const char *name, int left, const QString &hint, const char *picture,
                               QAction *command = nullptr) {
        QToolButton *speed = placeSpeedButton(m_toolBar, name, QRect(left, 5, 25, 25),
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
    button("OpenButton", 8, QStringLiteral("Abrir|"), "open", m_openAction);
    button("SaveButton", 33, QStringLiteral("Guardar|"), "save", m_saveAction);
    button("PrintButton", 58, QStringLiteral("Imprimir|"), "print", m_printAction);
    button("UndoButton", 89, QStringLiteral("Deshacer|"), "undo", m_undoAction);
    button("CutButton", 114, QStringLiteral("Cortar|"), "cut", m_cutAction);
    button("CopyButton", 139, QStringLiteral("Copiar|"), "copy", m_copyAction);
    button("PasteButton", 164, QStringLiteral("Pegar|"), "paste", m_pasteAction);
    m_boldButton = button("BoldButton", 380, QStringLiteral("Negrita"), "bold");
    m_italicButton = button("ItalicButton", 406, QStringLiteral("Cursiva"), "italic");
    m_underlineButton = button("UnderlineButton", 432, QStringLiteral("Subrayado"), "underline");
    m_alignLeftButton = button("LeftAlign", 464, QStringLiteral("Alinear izquierda"), "left");
    m_centerButton = button("CenterAlign", 490, QStringLiteral("Centrar"), "center");
    m_alignRightButton = button("RightAlign", 516, QStringLiteral("Alinear derecha"), "right");
    // Named as the editor's help names it: the button makes a bulleted list.
    m_bulletsButton = button("BulletsButton", 547, QStringLiteral("Viñetas"), "bullets");
    // The toggles from the keyboard, with the word processors' usual keys.
    m_boldButton->defaultAction()->setShortcut(QKeySequence::Bold);
    m_italicButton->defaultAction()->setShortcut(QKeySequence::Italic);
    m_underlineButton->defaultAction()->setShortcut(QKeySequence::Underline);
    m_alignLeftButton->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_centerButton->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_alignRightButton->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_bulletsButton->defaultAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));

    // Toggles: a click (or the key) flips the command before its handler runs. They may all
    // be up; within the alignment group pressing one releases the other two.
    for (QToolButton *toggle : {m_boldButton, m_italicButton, m_underlineButton, m_alignLeftButton, m_centerButton, m_alignRightButton,
                                m_bulletsButton})
        toggle->defaultAction()->setCheckable(true);
    const auto handle = [this](QToolButton *toggle, void (PhraseEditor::*handler)()) {
        connect(toggle->defaultAction(), &QAction::triggered, this, ErrorGuard::guarded(this, handler));
    };
    handle(m_boldButton, &PhraseEditor::applyBold);
    handle(m_italicButton, &PhraseEditor::applyItalic);
    handle(m_underlineButton, &PhraseEditor::applyUnderline);
    handle(m_bulletsButton, &PhraseEditor::applyBullets);
    auto *alignGroup = new QActionGroup(this);
    alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto &[align, alignment] : {std::pair{m_alignLeftButton, Qt::AlignLeft},
                                           std::pair{m_centerButton, Qt::AlignHCenter},
                                           std::pair{m_alignRightButton, Qt::AlignRight}}) {
        alignGroup->addAction(align->defaultAction());
        connect(align->defaultAction(), &QAction::triggered, this,
                [this, paragraphAlignment = alignment] {
                    ErrorGuard::run([&] { alignParagraphs(paragraphAlignment); });
                });
    }

    m_fontNameBox = new QComboBox(m_toolBar);
    m_fontNameBox->setObjectName(QStringLiteral("FontName"));
    m_fontNameBox->setAccessibleName(QStringLiteral("Fuente"));
    m_fontNameBox->setEditable(true);
    m_fontNameBox->setInsertPolicy(QComboBox::NoInsert);
    // The list is chosen from, not completed into: a name typed in part selects nothing.
    m_fontNameBox->setCompleter(nullptr);
    m_fontNameBox->setGeometry(194, 6, 131, 21);

    m_fontSizeBox = new QLineEdit(QStringLiteral("0"), m_toolBar);
    m_fontSizeBox->setObjectName(QStringLiteral("FontSize"));
    m_fontSizeBox->setAccessibleName(QStringLiteral("Tamaño"));
    m_fontSizeBox->setGeometry(328, 6, 31, 21);
    auto *sizeArrows = new UpDown(m_toolBar);
    sizeArrows->setObjectName(QStringLiteral("UpDown1"));
    sizeArrows->setGeometry(359, 6, 20, 21);
    sizeArrows->setBuddy(m_fontSizeBox);
}

void PhraseEditor::createRuler(QWidget *client)
{
    m_ruler = new RulerPanel(client);
    m_ruler->setObjectName(QStringLiteral("Ruler"));
    m_ruler->setFixedHeight(26);
    m_ruler->setFont(pixelFont(QStringLiteral("Arial"), 12));
    m_ruler->setAccessibleName(QStringLiteral("Regla"));

    const auto marker = [this](const char *name, RulerMarker::Shape shape, const QRect &geometry) {
        auto *item = new RulerMarker(shape, m_ruler);
        item->setObjectName(QLatin1String(name));
        item->setGeometry(geometry);
        connect(item, &RulerMarker::mouseDown, this,
                [this, item](int x) { ErrorGuard::run([&] { startMarkerDrag(item, x); }); });
        connect(item, &RulerMarker::mouseMove, this,
                [this, item](int x) { ErrorGuard::run([&] { dragMarker(item, x); }); });
        connect(item, &RulerMarker::stepped, this,
                [this, item](int step) { ErrorGuard::run([&] { stepMarker(item, step); }); });
        return item;
    };
    m_firstIndentMarker = marker("FirstInd", RulerMarker::PointingDown, QRect(2, 2, 10, 9));
    m_leftIndentMarker = marker("LeftInd", RulerMarker::PointingUp, QRect(2, 12, 10, 11));
    m_rulerLine = placeBevel(m_ruler, "RulerLine", QRect(4, 12, 579, 2), QFrame::HLine);
    m_rulerLine->lower();
    m_rightIndentMarker = marker("RightInd", RulerMarker::PointingUp, QRect(575, 14, 10, 11));
    connect(m_firstIndentMarker, &RulerMarker::mouseUp, this, ErrorGuard::guarded(this, &PhraseEditor::firstIndentReleased));
    connect(m_leftIndentMarker, &RulerMarker::mouseUp, this, ErrorGuard::guarded(this, &PhraseEditor::leftIndentReleased));
    connect(m_rightIndentMarker, &RulerMarker::mouseUp, this, ErrorGuard::guarded(this, &PhraseEditor::rightIndentReleased));
}

void PhraseEditor::createMenus()
{
    const auto handle = [this](QAction *action, void (PhraseEditor::*handler)()) {
        connect(action, &QAction::triggered, this, ErrorGuard::guarded(this, handler));
    };
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("&Fichero"));
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    m_newAction = addItem(fileMenu, "FileNewItem", QStringLiteral("&Nuevo"), QStringLiteral("Crea un archivo nuevo"),
                          QKeySequence(Qt::CTRL | Qt::Key_N));
    m_openAction = addItem(fileMenu, "FileOpenItem", QStringLiteral("&Abrir"), QStringLiteral("Abre un archivo existente"),
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction = addItem(fileMenu, "FileSaveItem", QStringLiteral("&Guardar"), QStringLiteral("Guarda el archivo actual"),
                           QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *saveAsAction = addItem(fileMenu, "FileSaveAsItem", QStringLiteral("Guardar &como..."),
                             QStringLiteral("Guarda el archivo actual con otro nombre"));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_printAction = addItem(fileMenu, "FilePrintItem", QStringLiteral("Im&primir"), QStringLiteral("Imprime el archivo actual"),
                            QKeySequence(Qt::CTRL | Qt::Key_P));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("N4"));
    m_exitAction = addItem(fileMenu, "FileExitItem", QStringLiteral("&Salir"), QStringLiteral("Cierra el editor"),
                           QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("&Editar"));
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    m_undoAction = addItem(editMenu, "EditUndoItem", QStringLiteral("&Deshacer"), QStringLiteral("Deshace la última acción"),
                           QKeySequence(Qt::CTRL | Qt::Key_Z));
    editMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    m_cutAction = addItem(editMenu, "EditCutItem", QStringLiteral("Co&rtar"), QStringLiteral("Corta la selección y la pasa al portapapeles"),
                          QKeySequence(Qt::CTRL | Qt::Key_X));
    m_copyAction = addItem(editMenu, "EditCopyItem", QStringLiteral("&Copiar"),
                           QStringLiteral("Copia la selección al portapapeles"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_pasteAction = addItem(editMenu, "EditPasteItem", QStringLiteral("&Pegar"),
                            QStringLiteral("Pega el contenido del portapapeles"), QKeySequence(Qt::CTRL | Qt::Key_V));
    editMenu->addSeparator()->setObjectName(QStringLiteral("N5"));
    QAction *fontAction = addItem(editMenu, "miEditFont", QStringLiteral("&Fuentes..."), QString());
    editMenu->addSeparator()->setObjectName(QStringLiteral("N6"));
    m_checkAccentsAction = addItem(editMenu, "EditCheckAccentsItem", QStringLiteral("Comprobar &tildes"),
                                   QStringLiteral("Subraya las palabras con las tildes mal puestas y va a la siguiente"),
                                   QKeySequence(Qt::Key_F7));

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    QAction *helpContentsAction = addItem(helpMenu, "HelpContentsItem", QStringLiteral("&Contenidos"),
                               QStringLiteral("Muestra el índice de la ayuda"));
    QAction *helpSearchAction = addItem(helpMenu, "HelpSearchItem", QStringLiteral("&Buscar ayuda sobre..."),
                             QStringLiteral("Busca un tema en la ayuda"));
    QAction *helpHowToAction = addItem(helpMenu, "HelpHowToUseItem", QStringLiteral("&Cómo usar la ayuda"),
                               QStringLiteral("Explica cómo usar la ayuda"));
    helpMenu->addSeparator()->setObjectName(QStringLiteral("N3"));
    QAction *aboutAction = addItem(helpMenu, "HelpAboutItem", QStringLiteral("&Sobre..."),
                            QStringLiteral("Muestra la información del programa"));

    handle(m_newAction, &PhraseEditor::newDocument);
    handle(m_openAction, &PhraseEditor::openDocument);
    handle(m_saveAction, &PhraseEditor::save);
    handle(saveAsAction, &PhraseEditor::saveAs);
    handle(m_printAction, &PhraseEditor::print);
    // As the close box: unsaved text is offered for saving before the window goes.
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    // The box comes after the menus: each command reaches it when it runs.
    const auto boxCommand = [this](QAction *action, void (QTextEdit::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (m_textBox->*command)(); });
    };
    boxCommand(m_undoAction, &QTextEdit::undo);
    boxCommand(m_cutAction, &QTextEdit::cut);
    boxCommand(m_copyAction, &QTextEdit::copy);
    boxCommand(m_pasteAction, &QTextEdit::paste);
    handle(fontAction, &PhraseEditor::chooseFont);
    handle(m_checkAccentsAction, &PhraseEditor::checkAccents);
    const auto help = [this](QAction *action, unsigned command) {
        connect(action, &QAction::triggered, this, [this, command] { ErrorGuard::run([&] { showHelp(command); }); });
    };
    help(helpContentsAction, HelpViewer::Contents);
    help(helpSearchAction, HelpViewer::PartialKey);
    help(helpHowToAction, HelpViewer::HelpOnHelp);
    connect(aboutAction, &QAction::triggered, this, [this] { ErrorGuard::run([this] { AboutWindow::open(this); }); });
}

void PhraseEditor::initialize()
{
    // Every hint shown anywhere in the program is mirrored in this window's status bar.
    qApp->installEventFilter(this);
    setDocumentName(Untitled);
    loadFontNames();
    buildRulerTicks();
    connect(m_fontSizeBox, &QLineEdit::textChanged, this, ErrorGuard::guarded(this, &PhraseEditor::applyFontSize));
    connect(m_fontNameBox, &QComboBox::editTextChanged, this, ErrorGuard::guarded(this, &PhraseEditor::applyFontName));
    showSelectionFormat();
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
        if (watched == m_ruler)
            ErrorGuard::run([this] { fitRulerLine(); });
        else if (watched == m_toolBar)
            m_toolBarEdge->resize(m_toolBar->width(), m_toolBarEdge->height());
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
    m_statusBar->showMessage(m_hint);
}

void PhraseEditor::loadFontNames()
{
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const QSignalBlocker quiet(m_fontNameBox);
    m_fontNameBox->clear();
    m_fontNameBox->addItems(families);
    m_fontNameBox->setCurrentIndex(-1);
}

void PhraseEditor::buildRulerTicks()
{
    m_ruler->setCaption(QStringLiteral("\t|").repeated(100));
}

void PhraseEditor::applyEditMargins()
{
    m_textBox->setFormattingMargins(EditMargin, EditMargin);
}

void PhraseEditor::setDocumentName(const QString &name)
{
    m_documentName = name;
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(name).fileName(), QCoreApplication::applicationName()));
}

MessageAnswer PhraseEditor::askToSave()
{
    return DialogService::instance().message(
        this, QStringLiteral("¿Guardar cambios en %1?").arg(QDir::toNativeSeparators(m_documentName)),
        QStringLiteral("Confirmar"), MessageIcon::Question, MessageButtons::YesNoCancel);
}

MessageAnswer PhraseEditor::confirmSaveChanges()
{
    if (!m_textBox->document()->isModified())
        return MessageAnswer::Ok;
    const MessageAnswer answer = askToSave();
    switch (answer) {
    case MessageAnswer::Yes: save(); break;
    case MessageAnswer::No: break;
    default: throw SilentAbort();
    }
    return answer;
}

// A save that was wanted but not made (its dialog cancelled) leaves the text unsaved.
bool PhraseEditor::saveDeclined(MessageAnswer answer) const
{
    return answer == MessageAnswer::Yes && m_textBox->document()->isModified();
}

bool PhraseEditor::canLeaveProgram()
{
    // Text in the hidden editor was already answered for when the editor was closed; the
    // student cannot see it, so there is nothing to ask about.
    if (!isVisible())
        return true;
    try {
        if (saveDeclined(confirmSaveChanges()))
            return false;
    } catch (...) {
        // Cancel, or a save that failed: the program stays open with the text.
        ErrorGuard::reportCurrentException();
        return false;
    }
    // Answered: closing this window as the program ends must not ask again.
    m_textBox->document()->setModified(false);
    return true;
}

bool PhraseEditor::mayReplaceDocument()
{
    // A hidden editor's text was answered for when it was closed.
    if (!isVisible())
        return true;
    return !saveDeclined(confirmSaveChanges());
}

void PhraseEditor::newDocument()
{
    // Unsaved text is not dropped without asking, nor when the save asked for was not made.
    if (saveDeclined(confirmSaveChanges()))
        return;
    setDocumentName(Untitled);
    m_textBox->clear();
    m_textBox->document()->setModified(false);
    showSelectionFormat();
}

FileDialogRequest PhraseEditor::openDialogRequest(const QString &filter) const
{
    return FileDialogRequest::forExerciseFiles(QStringLiteral("Abrir"), filter);
}

void PhraseEditor::loadDocument(const QString &path)
{
    // Laying out every paragraph of a long document keeps the window from answering: such a
    // file is refused before it is read.
    const qint64 size = QFileInfo(path).size();
    if (size > MaxDocumentBytes)
        throw AppError(QStringLiteral("El archivo %1 ocupa %2 y el editor solo abre archivos de hasta %3.")
                           .arg(QDir::toNativeSeparators(path), NumberFormat::dataSize(size),
                                NumberFormat::dataSize(MaxDocumentBytes)));
    RichTextFile::load(*m_textBox->document(), path);
    setDocumentName(path);
    m_textBox->document()->setModified(false);
    showSelectionFormat();
}

void PhraseEditor::openDocument()
{
    // As with "Nuevo": a save asked for but not made keeps the text, and nothing is opened.
    if (saveDeclined(confirmSaveChanges()))
        return;
    const FileDialogResult chosen = DialogService::instance().openFile(this, openDialogRequest(EditorFilter));
    if (!chosen.accepted)
        return;
    loadDocument(chosen.path);
    m_textBox->setFocus();
    // The open dialog offers no read-only choice: the box stays editable.
    m_textBox->setReadOnly(false);
}

void PhraseEditor::saveTo(const QString &path)
{
    // Always RTF, whatever the extension: the exercise loaders read the text lines of RTF.
    RichTextFile::save(*m_textBox->document(), path);
}

void PhraseEditor::save()
{
    if (m_documentName == Untitled) {
        saveAs();
        return;
    }
    saveTo(m_documentName);
    m_textBox->document()->setModified(false);
}

void PhraseEditor::saveAs()
{
    const FileDialogRequest request = FileDialogRequest::forExerciseFiles(QStringLiteral("Guardar como"), EditorFilter);
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
    setDocumentName(path);
    m_textBox->document()->setModified(false);
}

void PhraseEditor::print()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (DialogService::instance().execModal(dialog) != QDialog::Accepted)
        return;
    m_printer.setDocName(m_documentName);
    m_textBox->document()->print(&m_printer);
    if (m_printer.printerState() == QPrinter::Error)
        throw AppError(QStringLiteral("No se pudo imprimir %1.").arg(QDir::toNativeSeparators(m_documentName)));
}

void PhraseEditor::checkAccents()
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
    m_textBox->setFocus();
}

QString PhraseEditor::editorHelpText() const
{
    const QStringList lines = {
        QStringLiteral("Este editor prepara los archivos de los ejercicios: en los de frases, una frase "
                       "por línea, escrita con sus tildes; en los del tablero, una palabra por línea."),
        QString(),
        QStringLiteral("Fichero: Nuevo (%1), Abrir (%2), Guardar (%3), Guardar como, Imprimir (%4) y Salir (%5).")
            .arg(keys(m_newAction->shortcut()), keys(m_openAction->shortcut()), keys(m_saveAction->shortcut()),
                 keys(m_printAction->shortcut()), keys(m_exitAction->shortcut())),
        QStringLiteral("Editar: Deshacer (%1), Cortar (%2), Copiar (%3), Pegar (%4) y Fuentes.")
            .arg(keys(m_undoAction->shortcut()), keys(m_cutAction->shortcut()), keys(m_copyAction->shortcut()),
                 keys(m_pasteAction->shortcut())),
        QStringLiteral("Formato: Negrita (%1), Cursiva (%2), Subrayado (%3); alinear a la izquierda (%4), "
                       "centrar (%5), alinear a la derecha (%6); viñetas (%7).")
            .arg(keys(m_boldButton->defaultAction()->shortcut()), keys(m_italicButton->defaultAction()->shortcut()),
                 keys(m_underlineButton->defaultAction()->shortcut()), keys(m_alignLeftButton->defaultAction()->shortcut()),
                 keys(m_centerButton->defaultAction()->shortcut()), keys(m_alignRightButton->defaultAction()->shortcut()),
                 keys(m_bulletsButton->defaultAction()->shortcut())),
        QStringLiteral("Comprobar tildes (%1) subraya en rojo cada palabra que solo está mal por sus tildes y "
                       "lleva el cursor a la siguiente; la tecla Menú o Mayús+F10 (o el botón derecho del ratón) "
                       "ofrece su forma correcta.")
            .arg(keys(m_checkAccentsAction->shortcut())),
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

void PhraseEditor::chooseFont()
{
    QFontDialog dialog(selectionFont(m_textBox), this);
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
        showSelectionFormat();
    }
    m_textBox->setFocus();
}

void PhraseEditor::mergeTargetAttributes(const QTextCharFormat &format)
{
    QTextCursor cursor = m_textBox->textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    else
        m_textBox->mergeCurrentCharFormat(format);
}

PhraseEditor::Indents PhraseEditor::paragraphIndents() const
{
    const QTextBlockFormat format = m_textBox->textCursor().blockFormat();
    const LineStarts starts = lineStarts(format);
    return {starts.first / 20, (starts.others - starts.first) / 20, twips(format.rightMargin()) / 20};
}

void PhraseEditor::showSelectionFormat()
{
    m_syncingControls = true;
    const auto done = qScopeGuard([this] { m_syncingControls = false; });

    const Indents indents = paragraphIndents();
    m_firstIndentMarker->move(pointsToRuler(indents.first) + 2, m_firstIndentMarker->y());
    m_leftIndentMarker->move(pointsToRuler(indents.left + indents.first) + 2, m_leftIndentMarker->y());
    m_rightIndentMarker->move((m_ruler->width() - EditMargin) - pointsToRuler(indents.right + EditMargin), m_rightIndentMarker->y());
    m_firstIndentMarker->setAccessibleName(QStringLiteral("Sangría de primera línea: %1 puntos").arg(indents.first));
    m_leftIndentMarker->setAccessibleName(QStringLiteral("Sangría izquierda: %1 puntos").arg(indents.left));
    m_rightIndentMarker->setAccessibleName(QStringLiteral("Sangría derecha: %1 puntos").arg(indents.right));

    const QFont font = selectionFont(m_textBox);
    m_boldButton->defaultAction()->setChecked(font.bold());
    m_italicButton->defaultAction()->setChecked(font.italic());
    m_underlineButton->defaultAction()->setChecked(font.underline());
    const QTextCursor cursor = m_textBox->textCursor();
    m_bulletsButton->defaultAction()->setChecked(cursor.currentList() != nullptr);
    m_fontSizeBox->setText(QString::number(pointSize(font)));
    m_fontNameBox->setEditText(font.family());

    const Qt::Alignment alignment = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    QToolButton *pressed = m_alignLeftButton;
    if (alignment & Qt::AlignHCenter)
        pressed = m_centerButton;
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        pressed = m_alignRightButton;
    for (QToolButton *align : {m_alignLeftButton, m_centerButton, m_alignRightButton})
        align->defaultAction()->setChecked(align == pressed);
}

void PhraseEditor::applyStyleButton(QToolButton *button, const QTextCharFormat &on, const QTextCharFormat &off)
{
    if (m_syncingControls)
        return;
    mergeTargetAttributes(button->defaultAction()->isChecked() ? on : off);
}

void PhraseEditor::applyBold()
{
    QTextCharFormat on, off;
    on.setFontWeight(QFont::Bold);
    off.setFontWeight(QFont::Normal);
    applyStyleButton(m_boldButton, on, off);
}

void PhraseEditor::applyItalic()
{
    QTextCharFormat on, off;
    on.setFontItalic(true);
    off.setFontItalic(false);
    applyStyleButton(m_italicButton, on, off);
}

void PhraseEditor::applyUnderline()
{
    QTextCharFormat on, off;
    on.setFontUnderline(true);
    off.setFontUnderline(false);
    applyStyleButton(m_underlineButton, on, off);
}

void PhraseEditor::applyFontSize()
{
    if (m_syncingControls)
        return;
    bool ok = false;
    const int size = m_fontSizeBox->text().toInt(&ok);
    if (!ok)
        throw AppError(QStringLiteral("'%1' no es un número entero válido").arg(m_fontSizeBox->text()));
    // A size of no points draws nothing: the box keeps the size it has.
    if (size <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(size);
    mergeTargetAttributes(format);
}

void PhraseEditor::applyFontName()
{
    if (m_syncingControls)
        return;
    const int index = m_fontNameBox->findText(m_fontNameBox->currentText(), Qt::MatchExactly);
    if (index < 0)
        throw AppError(QStringLiteral("Índice de lista fuera de rango (%1)").arg(index));
    QTextCharFormat format;
    format.setFontFamilies({m_fontNameBox->itemText(index)});
    mergeTargetAttributes(format);
}

void PhraseEditor::alignParagraphs(Qt::Alignment alignment)
{
    if (m_syncingControls)
        return;
    m_textBox->setAlignment(alignment);
}

void PhraseEditor::applyBullets()
{
    if (m_syncingControls)
        return;
    QTextCursor cursor = m_textBox->textCursor();
    if (m_bulletsButton->defaultAction()->isChecked()) {
        if (!cursor.currentList())
            cursor.createList(QTextListFormat::ListDisc);
        return;
    }
    QTextDocument *document = m_textBox->document();
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

void PhraseEditor::fitRulerLine()
{
    m_rulerLine->resize(m_ruler->width() - 2 * m_rulerLine->x(), m_rulerLine->height());
}

void PhraseEditor::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    ErrorGuard::run([this] {
        applyEditMargins();
        showSelectionFormat();
    });
}

void PhraseEditor::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    applyEditMargins();
    // The ruler has its final width only now: place the right marker from it.
    ErrorGuard::run([this] { showSelectionFormat(); });
}

void PhraseEditor::closeEvent(QCloseEvent *event)
{
    // Closing asks about unsaved text: any failure, Cancel's silent abort included, keeps the
    // window open, and so does a save that was asked for but not made: hidden, the text could
    // not be reached.
    try {
        if (saveDeclined(confirmSaveChanges())) {
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

void PhraseEditor::startMarkerDrag(RulerMarker *sender, int x)
{
    m_dragOffset = sender->width() / 2;
    sender->move(sender->x() + x - m_dragOffset, sender->y());
    m_draggingMarker = true;
}

void PhraseEditor::dragMarker(RulerMarker *sender, int x)
{
    if (m_draggingMarker)
        sender->move(sender->x() + x - m_dragOffset, sender->y());
}

void PhraseEditor::setFirstIndent(int points)
{
    changeParagraphs(m_textBox, [points](QTextBlockFormat &format) {
        // The other lines keep their distance from the first.
        const LineStarts starts = lineStarts(format);
        const int first = qMax(0, points * 20);
        setLineStarts(format, {first, first + starts.others - starts.first});
    });
}

void PhraseEditor::setLeftIndent(int points)
{
    changeParagraphs(m_textBox, [points](QTextBlockFormat &format) {
        const LineStarts starts = lineStarts(format);
        setLineStarts(format, {starts.first, starts.first + points * 20});
    });
}

void PhraseEditor::setRightIndent(int points)
{
    changeParagraphs(m_textBox, [points](QTextBlockFormat &format) {
        format.setRightMargin(pixels(qMax(0, points * 20)));
    });
}

void PhraseEditor::firstIndentReleased()
{
    m_draggingMarker = false;
    setFirstIndent(rulerToPoints(m_firstIndentMarker->x() + m_dragOffset - EditMargin));
    leftIndentReleased();
}

void PhraseEditor::leftIndentReleased()
{
    m_draggingMarker = false;
    setLeftIndent(rulerToPoints(m_leftIndentMarker->x() + m_dragOffset - EditMargin) - paragraphIndents().first);
    showSelectionFormat();
}

void PhraseEditor::rightIndentReleased()
{
    m_draggingMarker = false;
    setRightIndent(rulerToPoints(m_ruler->width() - m_rightIndentMarker->x() + m_dragOffset - 2) - 2 * EditMargin);
    showSelectionFormat();
}

void PhraseEditor::stepMarker(RulerMarker *sender, int pixelStep)
{
    m_dragOffset = sender->width() / 2;
    sender->move(sender->x() + pixelStep, sender->y());
    markerReleased(sender);
}

void PhraseEditor::markerReleased(RulerMarker *marker)
{
    if (marker == m_firstIndentMarker)
        firstIndentReleased();
    else if (marker == m_leftIndentMarker)
        leftIndentReleased();
    else
        rightIndentReleased();
}
