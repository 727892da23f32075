// Start-up: the application object, the five windows in their order, the message loop.
#pragma once

#include <memory>

class QObject;

class ExerciseScores;
class AboutWindow;
class ExercisesWindow;
class StudentDataDialog;
class PracticeWindow;
class PhraseEditor;

// The five windows of a run, created in order and kept until the program ends.
struct TildoraWindows {
    // The run's four percentages, shared by the practice and the help window; it outlives both.
    std::unique_ptr<ExerciseScores> scores;
    std::unique_ptr<PracticeWindow> form1;
    std::unique_ptr<PhraseEditor> mainForm;
    std::unique_ptr<AboutWindow> aboutBox;
    std::unique_ptr<ExercisesWindow> ayuda;
    std::unique_ptr<StudentDataDialog> datosBox;

    // How a run starts: every window at once, or the practice window first and the others
    // after its first frame (or when one of them is first needed, if sooner).
    enum class Start { AllWindows, PracticeWindowFirst };

    explicit TildoraWindows(Start start = Start::AllWindows);
    ~TildoraWindows();

    // Shows the practice window, the one the student sees first.
    void showPracticeWindow();

private:
    // The editor, the information window, the help window and the student-data dialog, in
    // this order; nothing when they are already there.
    void createOtherWindows();

    std::unique_ptr<QObject> m_firstFrameWatch;
};

int runTildora(int argc, char **argv);
