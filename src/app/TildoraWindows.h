// Start-up: the application object, the practice window and the windows it opens, the message
// loop.
#pragma once

#include <memory>

class ExerciseScores;
class AboutWindow;
class ExercisesWindow;
class StudentDataDialog;
class PracticeWindow;
class PhraseEditor;

// The windows of a run and the score object they share, kept until the program ends. The
// practice window is made first; each other window is made the first time it is needed and
// then kept, so that, for example, the exercises window's pages stay as the student left them.
class TildoraWindows {
public:
    // How a run starts: every window at once, or the practice window alone and each other
    // window when it is first needed.
    enum class Start { AllWindows, PracticeWindowFirst };

    explicit TildoraWindows(Start start = Start::AllWindows);
    ~TildoraWindows();
    TildoraWindows(const TildoraWindows &) = delete;
    TildoraWindows &operator=(const TildoraWindows &) = delete;

    // The run's counts and percentages; they outlive every window.
    ExerciseScores &scores() { return *m_scores; }
    PracticeWindow &practiceWindow() { return *m_practice; }
    // Each made on the first call.
    ExercisesWindow &exercisesWindow();
    PhraseEditor &phraseEditor();
    AboutWindow &aboutWindow();
    StudentDataDialog &studentDataDialog();

    // Shows the practice window, the one the student sees first.
    void showPracticeWindow();

private:
    std::unique_ptr<ExerciseScores> m_scores;
    std::unique_ptr<PracticeWindow> m_practice;
    std::unique_ptr<PhraseEditor> m_editor;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<ExercisesWindow> m_exercises;
    std::unique_ptr<StudentDataDialog> m_studentData;
};

int runTildora(int argc, char **argv);
