// The student-data dialog StudentDataDialog.
#include "practice/StudentDataDialog.h"

#include "exercises/ExerciseScores.h"
#include "results/ResultsSummary.h"
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

StudentDataDialog::StudentDataDialog(ExerciseScores &scores, QWidget *parent) : QDialog(parent), m_scores(scores)
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

    auto *programIcon = new QLabel(this);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setGeometry(40, 20, 64, 64);
    programIcon->setPixmap(QPixmap(QStringLiteral(":/resources/tildora.png")));
    programIcon->setScaledContents(true);

    placeLabel(this, "Label2", 145, 14, QStringLiteral("Tildora"),
                        pixelFont(QStringLiteral("MS Sans Serif"), 19, true), Colors::clNavy);
    placeLabel(this, "Label3", 137, 45, QStringLiteral("Práctica de la acentuación ortográfica"),
                        font(), Colors::clBlack);
    auto *activitiesCaption = placeLabel(this, "Label5", 128, 72,
                        QStringLiteral("Actividades interdisciplinares con Lengua y Literatura"),
                        pixelFont(QStringLiteral("MS Sans Serif"), 13, true), Colors::clRed);
    activitiesCaption->setWordWrap(true);
    activitiesCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    activitiesCaption->setGeometry(128, 72, 243, 49);

    placeBevel(this, "Bevel1", QRect(32, 112, 449, 2), QFrame::HLine);

    const QFont dataFont = pixelFont(QStringLiteral("Comic Sans MS"), 15, true);
    placeLabel(this, "Label1", 32, 128,
                        QStringLiteral("Introduce tus datos personales antes de enviar los resultados:"), dataFont,
                        Colors::clTeal);
    auto *nameCaption = placeLabel(this, "Label4", 56, 160, QStringLiteral("Nombre y apellidos:"), dataFont, Colors::clTeal);
    m_nameEdit = placeEdit(this, "Alumno", 184, dataFont, QStringLiteral("Nombre y apellidos"));
    nameCaption->setBuddy(m_nameEdit);
    auto *groupCaption = placeLabel(this, "Label6", 56, 224, QStringLiteral("Curso y grupo:"), dataFont, Colors::clTeal);
    m_groupEdit = placeEdit(this, "curso", 248, dataFont, QStringLiteral("Curso y grupo"));
    groupCaption->setBuddy(m_groupEdit);

    m_leaveButton = new QPushButton(QIcon(StoredPicture::pixmap(QStringLiteral(":/resources/salir.rgba"))),
                              QStringLiteral("Salir"), this);
    m_leaveButton->setObjectName(QStringLiteral("BitBtn1"));
    m_leaveButton->setGeometry(208, 288, 105, 33);
    m_leaveButton->setIconSize(QSize(20, 20));
    // Enter in either field stores and closes, as a click on "Salir" does.
    m_leaveButton->setDefault(true);
    connect(m_leaveButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &StudentDataDialog::storeAndClose));

    m_nameNeeded = new QLabel(QStringLiteral("Falta tu nombre: escríbelo arriba para seguir."), this);
    m_nameNeeded->setObjectName(QStringLiteral("NameNeeded"));
    m_nameNeeded->setGeometry(321, 286, 170, 37);
    m_nameNeeded->setWordWrap(true);
    m_nameNeeded->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    setTextColor(m_nameNeeded, Colors::clRed);
    m_nameNeeded->hide();
    // Gone as soon as there is a name to store.
    connect(m_nameEdit, &QLineEdit::textChanged, m_nameNeeded, [this](const QString &text) {
        if (!text.trimmed().isEmpty())
            m_nameNeeded->hide();
    });

    auto *accents = new AccentBar(this);
    accents->setGeometry(56, 332, 409, 28);

    setTabOrder(m_nameEdit, m_groupEdit);
    setTabOrder(m_groupEdit, m_leaveButton);
    m_nameEdit->setFocus();
}

StudentDataDialog::StudentDataDialog(QWidget *parent) : StudentDataDialog(*new ExerciseScores, parent)
{
    m_scores.setParent(this);
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

void StudentDataDialog::storeAndClose()
{
    keepToOneLine(m_nameEdit, QStringLiteral("Nombre y apellidos"));
    keepToOneLine(m_groupEdit, QStringLiteral("Curso y grupo"));
    // A name of blanks is no name.
    if (!m_nameEdit->text().trimmed().isEmpty())
        m_scores.setStudentName(m_nameEdit->text());
    if (!m_groupEdit->text().isEmpty())
        m_scores.setStudentGroup(m_groupEdit->text());
    // Results without a name cannot go to the teacher: rather than close without a word, the
    // dialog stays and says what is missing. The close box and Esc still leave it.
    if (m_scores.studentName().isEmpty()) {
        m_nameNeeded->show();
        m_nameEdit->setAccessibleDescription(m_nameNeeded->text());
        m_nameEdit->setFocus();
        return;
    }
    m_nameNeeded->hide();
    m_nameEdit->setAccessibleDescription(QString());
    close();
}
