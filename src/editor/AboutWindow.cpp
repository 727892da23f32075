// The information window AboutWindow.
#include "editor/AboutWindow.h"

#include "platform/MemoryStatus.h"
#include "platform/ShellOpen.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"
#include "ui/WindowControls.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFocusRect>

using namespace WindowControls;

const QString AboutWindow::authorName = QStringLiteral("Equipo de Tildora");
const QString AboutWindow::webAddress = QStringLiteral("https://tildora.example.org/");
const QString AboutWindow::creditLine = QStringLiteral("Programa hecho por el equipo de Tildora");

namespace {

const QString subjectLine = QStringLiteral("Actividades interdisciplinares con Lengua y Literatura");

} // namespace

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Información"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(398, 258);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));

    auto *programIcon = new QLabel(this);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setPixmap(QPixmap(QStringLiteral(":/resources/tildora.png"))
                               .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    programIcon->setGeometry(16, 12, 64, 64);

    placeLabel(this, "Label1", 105, 14, QStringLiteral("Tildora"), pixelFont(QStringLiteral("MS Sans Serif"), 16, true), Colors::clNavy);

    m_webLink = new LinkLabel(QStringLiteral("%1 (%2)").arg(authorName, webAddress), this);
    m_webLink->setObjectName(QStringLiteral("Label6"));
    QFont linkFont = pixelFont(QStringLiteral("Arial"), 12);
    linkFont.setUnderline(true);
    m_webLink->setFont(linkFont);
    m_webLink->setTextFormat(Qt::PlainText);
    setTextColor(m_webLink, Colors::clBlue);
    m_webLink->setCursor(Qt::WhatsThisCursor);
    // Reached with Tab; Enter still belongs to the default button when the window opens.
    m_webLink->setFocusPolicy(Qt::TabFocus);
    m_webLink->setAccessibleName(QStringLiteral("Página web: %1").arg(webAddress));
    m_webLink->adjustSize();
    m_webLink->move(105, 37);
    connect(m_webLink, &LinkLabel::clicked, this, ErrorGuard::guarded(this, &AboutWindow::openWebPage));

    placeLabel(this, "Label2", 105, 61, creditLine, font(), Colors::clWindowText);

    auto *subject = new QLabel(subjectLine, this);
    subject->setObjectName(QStringLiteral("Label5"));
    subject->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    setTextColor(subject, Colors::clRed);
    subject->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    subject->setWordWrap(true);
    subject->setGeometry(96, 96, 243, 41);

    placeBevel(this, "Bevel1", QRect(64, 142, 297, 3), QFrame::HLine);

    placeLabel(this, "Label3", 107, 153, QStringLiteral("Memoria física total:"), font(), Colors::clWindowText);
    m_totalMemory = placeLabel(this, "PhysMem", 259, 153, QStringLiteral("0"), font(), Colors::clWindowText);
    placeLabel(this, "Label4", 107, 175, QStringLiteral("Memoria usada:"), font(), Colors::clWindowText);
    m_memoryLoad = placeLabel(this, "FreeRes", 260, 175, QStringLiteral("0"), font(), Colors::clWindowText);

    auto *okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setGeometry(157, 216, 108, 33);
    okButton->setDefault(true);
    okButton->setFocus();
    // The window is modal: closing it ends its loop with the result cancel.
    connect(okButton, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ErrorGuard::run([this] { showMemoryFigures(); });
}

void AboutWindow::open(QWidget *owner)
{
    AboutWindow about(owner);
    DialogService::instance().execModal(about);
}

QString AboutWindow::physicalMemoryCaption(quint64 bytes, const QLocale &locale)
{
    // "#,###": rounded to whole kilobytes, grouped by thousands, no forced digit for 0.
    const quint64 kilobytes = (bytes + 512) / 1024;
    QString digits = kilobytes == 0 ? QString() : QString::number(kilobytes);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, locale.groupSeparator());
    return digits + QStringLiteral(" KB");
}

void AboutWindow::showMemoryFigures()
{
    const MemoryStatus::Figures figures = MemoryStatus::current();
    m_totalMemory->setText(physicalMemoryCaption(figures.totalPhysical, QLocale()));
    m_totalMemory->adjustSize();
    m_memoryLoad->setText(QStringLiteral("%1 %").arg(figures.memoryLoad));
    m_memoryLoad->adjustSize();
}

void AboutWindow::openWebPage()
{
    // The desktop's opener may report its failure a moment later, when this window can be gone.
    const QPointer<QWidget> window(this);
    ShellOpen::openWebAddress(webAddress, [window] {
        ErrorGuard::run([&window] {
            DialogService::instance().message(window ? window.data() : QApplication::activeWindow(),
                                              QStringLiteral("Lo siento, no se encontró tu navegador"),
                                              QCoreApplication::applicationName(), MessageIcon::None,
                                              MessageButtons::Ok);
        });
    });
}
