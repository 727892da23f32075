// The student-data dialog StudentDataDialog: the student's name and class for the results.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class StudentDataDialog : public QDialog {
    Q_OBJECT
public:
    explicit StudentDataDialog(QWidget *parent = nullptr);

    // "Salir": stores what was typed (an empty field keeps the earlier value) and closes. With
    // no name typed and none stored it stays open and says that the name is needed.
    void BitBtn1Click();

    QLabel *ProgramIcon = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label5 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Alumno = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *curso = nullptr;
    QPushButton *BitBtn1 = nullptr;
    // The line beside "Salir" that asks for the name; hidden until it is missing.
    QLabel *NameNeeded = nullptr;

private:
    // Puts the edit's text on one line and within the results' length, saying so when it cuts.
    void keepToOneLine(QLineEdit *edit, const QString &field);
};

extern StudentDataDialog *DatosBox;
