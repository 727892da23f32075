// The window "Resultados de la clase": the results files of a folder, one row per student,
// the class averages and the spread of the averages, the misses by rule of the class or of the
// student chosen in the table, exported to CSV and PDF.
#pragma once

#include "results/ClassResults.h"

#include <QWidget>

class QBarSet;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QTableWidget;

class ClassResultsWindow : public QWidget {
    Q_OBJECT

public:
    explicit ClassResultsWindow(QWidget *parent = nullptr);

    // Reads every file in the folder and shows what it found; nothing in it stops the view.
    // A folder that does not exist or cannot be read is an AppError naming it and why, and
    // the view keeps what it showed.
    void openFolder(const QString &folder);
    void openFolder(const ClassResultsFolder::Path &folder);
    QString folder() const { return m_folder; }

    // The table's rows in the order the table shows them now (after any sorting).
    QList<ClassResults::Row> shownRows() const;

    // "Abrir carpeta": asks for one of the folder's files and opens the folder it is in.
    void chooseFolder();

    // The misses by rule shown now: the class's, or those of the one student chosen in the
    // table. Choosing none (or "Toda la clase") returns to the class.
    QList<ClassResults::RuleShare> shownShares() const;

private:
    void fillTable();
    QWidget *makeRulesPart();
    // The chart, the sentence and the table of the misses by rule, for the rows given.
    void showRules();
    void fillRules(const QString &sentence, const QList<ClassResults::RuleShare> &shares);
    // The one row chosen in the table, or -1 (none, or several).
    int chosenRow() const;
    // Sorting from the keyboard: names and groups from A to Z, scores from the highest, dates
    // from the newest. A click on a heading sorts as well, either way.
    void sortBy(int column);
    void exportCsv();
    void exportPdf();
    QString askSavePath(const QString &title, const QString &filter, const QString &extension);

    ClassResults::Folder m_contents;
    QString m_folder;
    QBarSet *m_bars = nullptr;
    QPushButton *m_exportCsvButton = nullptr;
    QPushButton *m_exportPdfButton = nullptr;
    QLabel *m_folderCaption = nullptr;
    QComboBox *m_sortChooser = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_classAverages = nullptr;
    QChartView *m_histogram = nullptr;
    QListWidget *m_rejectedList = nullptr;
    QSplitter *m_split = nullptr;
    QWidget *m_rulesFigures = nullptr;
    QLabel *m_weakRules = nullptr;
    QChartView *m_rulesChart = nullptr;
    QBarSet *m_ruleBars = nullptr;
    QTableWidget *m_ruleTable = nullptr;
    QPushButton *m_wholeClassButton = nullptr;
    QLabel *m_notesTitle = nullptr;
    QListWidget *m_notesList = nullptr;
    QList<ClassResults::RuleShare> m_shownShares;
};
