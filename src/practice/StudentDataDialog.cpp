// The student-data dialog StudentDataDialog.
#include "practice/StudentDataDialog.h"

#include "results/ResultsSummary.h"
#include "shared/RunScores.h"
#include "ui/AccentBar.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"
#include "ui/StoredPicture.h"
#include "ui/WindowControls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

StudentDataDialog *DatosBox = nullptr;

using namespace WindowControls;

namespace {

QLineEdit *placeEdit(QWidget *parent, const char *name, int top, const QFont &font, const QString &accessibleName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(56, top, 409, 29);
    edit->setFont(font);
    edit->setAccessibleName(accessibleName);
    setTextColor(edit, Colors::clBlack);
    return edit;
}

} // namespace

StudentDataDialog::StudentDataDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DatosBox"));
    setWindowTitle(QStringLiteral("Datos del alumno"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // An outer size of 523 x 366 with the usual frame and title bar.
    // The accented-letter bar adds a row below.
    setFixedSize(515, 339 + 32);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(523 / 2, 366 / 2));

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(40, 20, 64, 64);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/resources/tildora.png")));
    ProgramIcon->setScaledContents(true);

    Label2 = placeLabel(this, "Label2", 145, 14, QStringLiteral("Tildora"),
                        pixelFont(QStringLiteral("MS Sans Serif"), 19, true), Colors::clNavy);
    Label3 = placeLabel(this, "Label3", 137, 45, QStringLiteral("Práctica de la acentuación ortográfica"),
                        font(), Colors::clBlack);
    Label5 = placeLabel(this, "Label5", 128, 72,
                        QStringLiteral("Actividades interdisciplinares con Lengua y Literatura"),
                        pixelFont(QStringLiteral("MS Sans Serif"), 13, true), Colors::clRed);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setGeometry(128, 72, 243, 49);

    Bevel1 = placeBevel(this, "Bevel1", QRect(32, 112, 449, 2), QFrame::HLine);

    const QFont dataFont = pixelFont(QStringLiteral("Comic Sans MS"), 15, true);
    Label1 = placeLabel(this, "Label1", 32, 128,
                        QStringLiteral("Introduce tus datos personales antes de enviar los resultados:"), dataFont,
                        Colors::clTeal);
    Label4 = placeLabel(this, "Label4", 56, 160, QStringLiteral("Nombre y apellidos:"), dataFont, Colors::clTeal);
    Alumno = placeEdit(this, "Alumno", 184, dataFont, QStringLiteral("Nombre y apellidos"));
    Label4->setBuddy(Alumno);
    Label6 = placeLabel(this, "Label6", 56, 224, QStringLiteral("Curso y grupo:"), dataFont, Colors::clTeal);
    curso = placeEdit(this, "curso", 248, dataFont, QStringLiteral("Curso y grupo"));
    Label6->setBuddy(curso);

    BitBtn1 = new QPushButton(QIcon(StoredPicture::pixmap(QStringLiteral(":/resources/salir.rgba"))),
                              QStringLiteral("Salir"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(208, 288, 105, 33);
    BitBtn1->setIconSize(QSize(20, 20));
    // Enter in either field stores and closes, as a click on "Salir" does.
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, ErrorGuard::guarded(this, &StudentDataDialog::BitBtn1Click));

    NameNeeded = new QLabel(QStringLiteral("Falta tu nombre: escríbelo arriba para seguir."), this);
    NameNeeded->setObjectName(QStringLiteral("NameNeeded"));
    NameNeeded->setGeometry(321, 286, 170, 37);
    NameNeeded->setWordWrap(true);
    NameNeeded->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    setTextColor(NameNeeded, Colors::clRed);
    NameNeeded->hide();
    // Gone as soon as there is a name to store.
    connect(Alumno, &QLineEdit::textChanged, NameNeeded, [this](const QString &text) {
        if (!text.trimmed().isEmpty())
            NameNeeded->hide();
    });

    auto *accents = new AccentBar(this);
    accents->setGeometry(56, 332, 409, 28);

    setTabOrder(Alumno, curso);
    setTabOrder(curso, BitBtn1);
    Alumno->setFocus();
}

void StudentDataDialog::keepToOneLine(QLineEdit *edit, const QString &field)
{
    // A pasted line break would split the results file's student line; an overlong text is
    // cut where the student can see it, and told.
    const QString typed = edit->text();
    edit->setText(ResultsSummary::studentField(typed));
    if (ResultsSummary::studentFieldTooLong(typed))
        DialogService::instance().message(
            this,
            QStringLiteral("«%1» tiene más de %2 caracteres: se guardan solo los %2 primeros.")
                .arg(field)
                .arg(ResultsSummary::maxStudentField),
            windowTitle(), MessageIcon::Information, MessageButtons::Ok);
}

void StudentDataDialog::BitBtn1Click()
{
    RunScores &scores = runScores();
    keepToOneLine(Alumno, QStringLiteral("Nombre y apellidos"));
    keepToOneLine(curso, QStringLiteral("Curso y grupo"));
    // A name of blanks is no name.
    if (!Alumno->text().trimmed().isEmpty())
        scores.studentName = Alumno->text();
    if (!curso->text().isEmpty())
        scores.studentGroup = curso->text();
    // Results without a name cannot go to the teacher: rather than close without a word, the
    // dialog stays and says what is missing. The close box and Esc still leave it.
    if (scores.studentName.isEmpty()) {
        NameNeeded->show();
        Alumno->setAccessibleDescription(NameNeeded->text());
        Alumno->setFocus();
        return;
    }
    NameNeeded->hide();
    Alumno->setAccessibleDescription(QString());
    close();
}
