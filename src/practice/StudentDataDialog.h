// The student-data dialog StudentDataDialog: the student's name and class for the results.
#pragma once

#include <QDialog>

class ExerciseScores;
class QLabel;
class QLineEdit;
class QPushButton;

class StudentDataDialog : public QDialog {
    Q_OBJECT
public:
    // What the student types is stored in the run's score object, or in one of the dialog's
    // own (a test's).
    explicit StudentDataDialog(ExerciseScores &scores, QWidget *parent = nullptr);
    explicit StudentDataDialog(QWidget *parent = nullptr);

private:
    // "Salir": stores what was typed (an empty field keeps the earlier value) and closes. With
    // no name typed and none stored it stays open and says that the name is needed.
    void storeAndClose();
    // Puts the edit's text on one line and within the results' length, saying so when it cuts.
    void keepToOneLine(QLineEdit *edit, const QString &field);

    ExerciseScores &m_scores;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_groupEdit = nullptr;
    QPushButton *m_leaveButton = nullptr;
    // The line beside "Salir" that asks for the name; hidden until it is missing.
    QLabel *m_nameNeeded = nullptr;
};
