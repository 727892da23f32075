// The class view: a sortable table over ClassResults, its averages, a histogram, and the
// misses by rule of the class or of one student.
#include "reports/ClassResultsWindow.h"

#include "shared/AppError.h"
#include "ui/DialogService.h"
#include "ui/ErrorGuard.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>

namespace {

// Which row of the gathered list a table row shows, kept through sorting.
constexpr int rowIndexRole = Qt::UserRole + 1;
// The file's date, for sorting the column that shows it as Spanish text.
constexpr int dateRole = Qt::UserRole + 2;

// Names and groups sort as a Spanish reader expects: "Álvaro" beside "Alba", not after "Z".
class TextItem : public QTableWidgetItem {
public:
    bool operator<(const QTableWidgetItem &other) const override
    {
        if (data(dateRole).isValid() && other.data(dateRole).isValid())
            return data(dateRole).toDateTime() < other.data(dateRole).toDateTime();
        const QVariant mine = data(Qt::DisplayRole);
        const QVariant theirs = other.data(Qt::DisplayRole);
        // Spanish order whatever the desktop's language: the table and its exports agree.
        if (mine.typeId() == QMetaType::QString && theirs.typeId() == QMetaType::QString)
            return ClassResults::compareText(mine.toString(), theirs.toString()) < 0;
        return QTableWidgetItem::operator<(other);
    }
};

QTableWidgetItem *item(const QVariant &value, int rowIndex)
{
    auto *cell = new TextItem;
    cell->setData(Qt::DisplayRole, value);
    cell->setData(rowIndexRole, rowIndex);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (value.typeId() == QMetaType::Int)
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

// A table the user reads and chooses rows in, never edits.
QTableWidget *readingTable(QWidget *parent, const char *name, const QString &accessibleName, const QStringList &headings)
{
    auto *table = new QTableWidget(0, int(headings.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headings);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    return table;
}

// The chart shows the most missed rules; the table beside it lists them all.
constexpr int chartedRules = 6;

// One set of bars against its categories and a count in whole numbers; the count's axis runs
// across the categories' one.
QChart *barChart(QAbstractBarSeries *bars, QBarSet *set, QBarCategoryAxis *categories, Qt::Alignment categoriesAt,
                 const QString &countTitle)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    set->setColor(QColor(0x2a, 0x7d, 0xd6));
    bars->append(set);
    bars->setLabelsVisible(true);
    chart->addSeries(bars);
    auto *countAxis = new QValueAxis;
    countAxis->setLabelFormat(QStringLiteral("%d"));
    countAxis->setTickType(QValueAxis::TicksDynamic);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(1);
    countAxis->setTitleText(countTitle);
    chart->addAxis(categories, categoriesAt);
    chart->addAxis(countAxis, categoriesAt == Qt::AlignBottom ? Qt::AlignLeft : Qt::AlignBottom);
    bars->attachAxis(categories);
    bars->attachAxis(countAxis);
    return chart;
}

// The bars' new values, on a count scale of whole numbers up to `top`, marked every `step`.
void setBars(QChartView *view, QBarSet *set, const QList<qreal> &values, int top, int step)
{
    set->remove(0, set->count());
    set->append(values);
    for (QAbstractAxis *axis : view->chart()->axes()) {
        if (auto *count = qobject_cast<QValueAxis *>(axis)) {
            count->setRange(0, top);
            count->setTickType(QValueAxis::TicksDynamic);
            count->setTickAnchor(0);
            count->setTickInterval(step);
        }
    }
}

} // namespace

ClassResultsWindow::ClassResultsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ClaseWindow"));
    setWindowTitle(QStringLiteral("Resultados de la clase"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    resize(1120, 660);

    auto *openFolderButton = new QPushButton(QStringLiteral("&Abrir carpeta…"), this);
    openFolderButton->setObjectName(QStringLiteral("AbrirCarpeta"));
    m_exportCsvButton = new QPushButton(QStringLiteral("Exportar &CSV…"), this);
    m_exportCsvButton->setObjectName(QStringLiteral("ExportarCSV"));
    m_exportPdfButton = new QPushButton(QStringLiteral("Exportar &PDF…"), this);
    m_exportPdfButton->setObjectName(QStringLiteral("ExportarPDF"));
    connect(openFolderButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &ClassResultsWindow::chooseFolder));
    connect(m_exportCsvButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &ClassResultsWindow::exportCsv));
    connect(m_exportPdfButton, &QPushButton::clicked, this, ErrorGuard::guarded(this, &ClassResultsWindow::exportPdf));
    m_folderCaption = new QLabel(QStringLiteral("Elige la carpeta donde guardas los archivos de resultados de tus alumnos."), this);
    m_folderCaption->setObjectName(QStringLiteral("FolderLabel"));
    m_folderCaption->setWordWrap(true);

    m_table = readingTable(this, "Table", QStringLiteral("Tabla de resultados de la clase"), ClassResults::headings());
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);

    m_classAverages = new QLabel(this);
    m_classAverages->setObjectName(QStringLiteral("ClassAverages"));
    m_classAverages->setWordWrap(true);
    m_classAverages->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    // Each bar counts the averages from its number up to the next one (90 up to 100).
    QStringList ranges;
    for (int n = 0; n < 10; ++n)
        ranges << QString::number(n * 10);
    auto *rangeAxis = new QBarCategoryAxis;
    rangeAxis->append(ranges);
    rangeAxis->setTitleText(QStringLiteral("Promedio (%), de diez en diez"));
    m_bars = new QBarSet(QStringLiteral("Alumnos"));
    QChart *chart = barChart(new QBarSeries, m_bars, rangeAxis, Qt::AlignBottom, QStringLiteral("Alumnos"));
    chart->setTitle(QStringLiteral("Reparto de los promedios"));
    m_histogram = new QChartView(chart, this);
    m_histogram->setObjectName(QStringLiteral("Histogram"));
    m_histogram->setAccessibleName(QStringLiteral("Histograma de los promedios"));
    m_histogram->setMinimumWidth(320);

    m_rejectedList = new QListWidget(this);
    m_rejectedList->setObjectName(QStringLiteral("Rejected"));
    m_rejectedList->setAccessibleName(QStringLiteral("Archivos que no entran en la tabla"));
    m_rejectedList->setMaximumHeight(70);

    m_sortChooser = new QComboBox(this);
    m_sortChooser->setObjectName(QStringLiteral("OrdenarPor"));
    m_sortChooser->addItems(ClassResults::headings());
    auto *sortLabel = new QLabel(QStringLiteral("&Ordenar por:"), this);
    sortLabel->setBuddy(m_sortChooser);
    connect(m_sortChooser, &QComboBox::activated, this, ErrorGuard::guarded(this, &ClassResultsWindow::sortBy));
    // A click on a heading shows in the list too.
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, m_sortChooser,
            [this](int column) { m_sortChooser->setCurrentIndex(column); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(openFolderButton);
    buttons->addWidget(m_exportCsvButton);
    buttons->addWidget(m_exportPdfButton);
    buttons->addStretch();
    buttons->addWidget(sortLabel);
    buttons->addWidget(m_sortChooser);
    // The misses by rule under the table and the spread, across the window: the rules' names
    // need the width. The teacher can move the line between them.
    auto *classPart = new QWidget(this);
    auto *classLayout = new QHBoxLayout(classPart);
    classLayout->setContentsMargins(0, 0, 0, 0);
    classLayout->addWidget(m_table, 2);
    classLayout->addWidget(m_histogram, 1);
    m_split = new QSplitter(Qt::Vertical, this);
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(classPart);
    m_split->addWidget(makeRulesPart());
    m_split->setStretchFactor(0, 3);
    m_split->setStretchFactor(1, 2);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            ErrorGuard::guarded(this, &ClassResultsWindow::showRules));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_folderCaption);
    layout->addWidget(m_split, 1);
    layout->addWidget(m_classAverages);
    auto *rejectedTitle = new QLabel(QStringLiteral("Archivos que no entran en la tabla, con el motivo:"), this);
    rejectedTitle->setBuddy(m_rejectedList);
    layout->addWidget(rejectedTitle);
    layout->addWidget(m_rejectedList);
    // Shown once a folder brings details.
    m_rulesFigures->hide();
    m_split->widget(1)->setMaximumHeight(m_split->widget(1)->sizeHint().height());
    fillTable();
}

void ClassResultsWindow::openFolder(const QString &folder)
{
    openFolder(ClassResultsFolder::Path::fromText(folder));
}

void ClassResultsWindow::openFolder(const ClassResultsFolder::Path &folder)
{
    ClassResults::Folder contents = ClassResults::readFolder(folder);
    if (!contents.error.isEmpty())
        throw AppError(contents.error);
    // Same names stay in group order whichever column is sorted later.
    ClassResults::sortByName(contents.rows);
    m_folder = folder.shown;
    m_contents = std::move(contents);
    fillTable();
}

void ClassResultsWindow::fillTable()
{
    const QList<ClassResults::Row> &rows = m_contents.rows;
    // A student chosen in the folder read before is no one in this one.
    m_table->clearSelection();
    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const ClassResults::Row &row = rows.at(r);
        const QVariant values[] = {row.name, row.group, row.board, row.examples, row.phrases, row.questions,
                                   row.total, row.date.toString(QStringLiteral("dd/MM/yyyy HH:mm"))};
        for (int c = 0; c < int(std::size(values)); ++c)
            m_table->setItem(r, c, item(values[c], r));
        m_table->item(r, int(std::size(values)) - 1)->setData(dateRole, row.date);
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(m_table->horizontalHeader()->sortIndicatorSection(), m_table->horizontalHeader()->sortIndicatorOrder());
    m_table->resizeColumnsToContents();

    const ClassResults::Averages a = ClassResults::averages(rows);
    if (m_folder.isEmpty()) {
        m_classAverages->clear();
    } else if (rows.isEmpty()) {
        m_classAverages->setText(QStringLiteral("No hay ningún archivo de resultados en esta carpeta."));
    } else {
        m_classAverages->setText(
            QStringLiteral("Media de la clase (%1): Tablero %2 %, Ejemplos %3 %, Frases %4 %, Cuestiones %5 %, "
                           "Promedio %6 %.")
                .arg(rows.size() == 1 ? QStringLiteral("1 alumno") : QStringLiteral("%1 alumnos").arg(rows.size()))
                .arg(ClassResults::averageText(a.board), ClassResults::averageText(a.examples),
                     ClassResults::averageText(a.phrases), ClassResults::averageText(a.questions),
                     ClassResults::averageText(a.average)));
    }
    if (!m_folder.isEmpty())
        m_folderCaption->setText(QStringLiteral("Carpeta: %1").arg(QDir::toNativeSeparators(m_folder)));

    const QList<int> bins = ClassResults::histogram(rows);
    QList<qreal> counts;
    int highest = 1;
    for (int count : bins) {
        counts << count;
        highest = std::max(highest, count);
    }
    // Whole students only on the scale.
    // A few marks: the chart shares the window's height with the misses by rule, and a crowded
    // scale is drawn as dots.
    setBars(m_histogram, m_bars, counts, highest + 1, std::max(1, (highest + 3) / 4));
    QStringList spread;
    for (int n = 0; n < bins.size(); ++n)
        spread << QStringLiteral("%1 a %2: %3").arg(n * 10).arg(n == 9 ? 100 : n * 10 + 9).arg(bins.at(n));
    m_histogram->setAccessibleDescription(spread.join(QStringLiteral("; ")));

    m_rejectedList->clear();
    for (const ClassResults::Rejected &file : m_contents.rejected)
        m_rejectedList->addItem(QStringLiteral("%1: %2").arg(file.file, file.reason));
    m_exportCsvButton->setEnabled(!rows.isEmpty());
    m_exportPdfButton->setEnabled(!rows.isEmpty());

    m_notesList->clear();
    for (const ClassResults::Note &note : m_contents.notes)
        m_notesList->addItem(note.text);
    m_notesTitle->setVisible(!m_contents.notes.isEmpty());
    m_notesList->setVisible(!m_contents.notes.isEmpty());
    showRules();

    // Without any detail file the misses by rule are one sentence, and the class table and the
    // spread keep the height they always had.
    const bool figures = ClassResults::anyDetail(rows) || !m_contents.notes.isEmpty();
    if (figures != !m_rulesFigures->isHidden()) {
        m_rulesFigures->setVisible(figures);
        QWidget *rulesPart = m_split->widget(1);
        rulesPart->setMaximumHeight(figures ? QWIDGETSIZE_MAX : rulesPart->sizeHint().height());
        // Shares of the height, whatever it is now: the window may not be laid out yet.
        if (figures)
            m_split->setSizes({1000, 1000});
    }
}

QWidget *ClassResultsWindow::makeRulesPart()
{
    auto *page = new QWidget(this);
    m_weakRules = new QLabel(page);
    m_weakRules->setObjectName(QStringLiteral("WeakRules"));
    m_weakRules->setWordWrap(true);
    m_weakRules->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_ruleBars = new QBarSet(QStringLiteral("Fallos"));
    auto *ruleAxis = new QBarCategoryAxis;
    // The rules' names are long: smaller than the scale's figures, they fit whole more often.
    QFont names = ruleAxis->labelsFont();
    names.setPointSizeF(names.pointSizeF() * 0.9);
    ruleAxis->setLabelsFont(names);
    QChart *chart = barChart(new QHorizontalBarSeries, m_ruleBars, ruleAxis, Qt::AlignLeft, QStringLiteral("Fallos"));
    m_rulesChart = new QChartView(chart, page);
    m_rulesChart->setObjectName(QStringLiteral("RulesChart"));
    m_rulesChart->setAccessibleName(QStringLiteral("Gráfico de los fallos por regla"));
    m_rulesChart->setMinimumHeight(150);
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_ruleTable = readingTable(page, "RuleTable", QStringLiteral("Tabla de los fallos por regla"), ClassResults::ruleHeadings());
    // Rows as tight as the text: the table shares its height with the chart.
    m_ruleTable->verticalHeader()->setDefaultSectionSize(m_ruleTable->fontMetrics().height() + 6);
    m_ruleTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    m_wholeClassButton = new QPushButton(QStringLiteral("Ver &toda la clase"), page);
    m_wholeClassButton->setObjectName(QStringLiteral("TodaLaClase"));
    connect(m_wholeClassButton, &QPushButton::clicked, this, [this] {
        m_table->clearSelection();
        m_table->setFocus();
    });

    m_notesList = new QListWidget(page);
    m_notesList->setObjectName(QStringLiteral("Notes"));
    m_notesList->setAccessibleName(QStringLiteral("Archivos de detalle que no se han leído"));
    m_notesList->setMaximumHeight(60);
    // A note names its file with the folder: wrapped, it is read whole.
    m_notesList->setWordWrap(true);
    m_notesList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notesTitle = new QLabel(QStringLiteral("Archivos de detalle que no se han leído, con el motivo:"), page);
    m_notesTitle->setBuddy(m_notesList);

    auto *top = new QHBoxLayout;
    top->addWidget(m_weakRules, 1);
    top->addWidget(m_wholeClassButton, 0, Qt::AlignTop);
    auto *side = new QVBoxLayout;
    side->addWidget(m_ruleTable, 1);
    side->addWidget(m_notesTitle);
    side->addWidget(m_notesList);
    m_rulesFigures = new QWidget(page);
    auto *figures = new QHBoxLayout(m_rulesFigures);
    figures->setContentsMargins(0, 0, 0, 0);
    figures->addWidget(m_rulesChart, 3);
    figures->addLayout(side, 2);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_rulesFigures, 1);
    return page;
}

int ClassResultsWindow::chosenRow() const
{
    const QModelIndexList chosen = m_table->selectionModel()->selectedRows();
    const QTableWidgetItem *cell = chosen.size() == 1 ? m_table->item(chosen.first().row(), 0) : nullptr;
    const int row = cell ? cell->data(rowIndexRole).toInt() : -1;
    return row < m_contents.rows.size() ? row : -1;
}

QList<ClassResults::RuleShare> ClassResultsWindow::shownShares() const
{
    return m_shownShares;
}

void ClassResultsWindow::showRules()
{
    const int chosen = chosenRow();
    m_wholeClassButton->setEnabled(chosen >= 0);
    if (m_folder.isEmpty()) {
        fillRules(QString(), {});
    } else if (chosen >= 0) {
        const ClassResults::Row &row = m_contents.rows.at(chosen);
        fillRules(ClassResults::weakRules(row), ClassResults::ruleShares({row}));
    } else {
        fillRules(ClassResults::weakRules(m_contents.rows), ClassResults::ruleShares(m_contents.rows));
    }
}

void ClassResultsWindow::fillRules(const QString &sentence, const QList<ClassResults::RuleShare> &shares)
{
    m_shownShares = shares;
    m_weakRules->setText(sentence);

    // The most missed on top: a horizontal chart draws its first category at the bottom.
    const QList<ClassResults::RuleShare> charted = shares.mid(0, chartedRules);
    QStringList names;
    QList<qreal> counts;
    int highest = 1;
    for (auto share = charted.crbegin(); share != charted.crend(); ++share) {
        names << share->name;
        counts << share->misses;
        highest = std::max(highest, share->misses);
    }
    if (auto *axis = qobject_cast<QBarCategoryAxis *>(m_rulesChart->chart()->axes(Qt::Vertical).value(0))) {
        axis->clear();
        axis->append(names);
    }
    // Whole misses only on the scale, with room for the bars' labels.
    setBars(m_rulesChart, m_ruleBars, counts, highest + std::max(1, highest / 8), std::max(1, (highest + 4) / 5));

    QStringList described;
    m_ruleTable->setRowCount(int(shares.size()));
    for (int r = 0; r < shares.size(); ++r) {
        const ClassResults::RuleShare &share = shares.at(r);
        const QString percent = ClassResults::averageText(share.percent) + QStringLiteral(" %");
        m_ruleTable->setItem(r, 0, item(share.name, r));
        m_ruleTable->setItem(r, 1, item(share.misses, r));
        m_ruleTable->setItem(r, 2, item(percent, r));
        m_ruleTable->item(r, 2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        described << QStringLiteral("%1: %2 fallos, %3").arg(share.name, QString::number(share.misses), percent);
    }
    m_ruleTable->resizeColumnToContents(1);
    m_ruleTable->resizeColumnToContents(2);
    m_rulesChart->setAccessibleDescription(described.isEmpty() ? sentence : described.join(QStringLiteral("; ")));
}

QList<ClassResults::Row> ClassResultsWindow::shownRows() const
{
    QList<ClassResults::Row> rows;
    for (int r = 0; r < m_table->rowCount(); ++r)
        rows << m_contents.rows.at(m_table->item(r, 0)->data(rowIndexRole).toInt());
    return rows;
}

void ClassResultsWindow::sortBy(int column)
{
    const bool text = column <= 1;
    m_table->sortByColumn(column, text ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ClassResultsWindow::chooseFolder()
{
    // The dialog service opens files; any file of the folder names the folder.
    FileDialogRequest request;
    request.title = QStringLiteral("Elige uno de los archivos de resultados de la carpeta");
    request.filter = QStringLiteral("Resultados (*.txt;*.csv)|*.txt;*.csv|Todos los archivos (*.*)|*");
    request.initialFolder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const FileDialogResult chosen = DialogService::instance().openFile(this, request);
    if (!chosen.accepted)
        return;
    openFolder(QFileInfo(chosen.path).absolutePath());
}

QString ClassResultsWindow::askSavePath(const QString &title, const QString &filter, const QString &extension)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultExtension = extension;
    request.initialFolder = m_folder;
    request.fileName = QStringLiteral("Resultados de la clase.%1").arg(extension);
    request.mustExist = false;
    const FileDialogResult chosen = DialogService::instance().saveFile(this, request);
    return chosen.accepted ? DialogText::withDefaultExtension(chosen.path, extension) : QString();
}

void ClassResultsWindow::exportCsv()
{
    const QString path = askSavePath(QStringLiteral("Exportar la tabla a CSV"),
                                     QStringLiteral("Hoja de cálculo CSV (*.csv)|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const TextFile::SaveStatus saved = ClassResults::writeCsv(path, shownRows());
    if (saved != TextFile::SaveStatus::Ok)
        throw AppError(TextFile::saveErrorMessage(path, saved));
}

void ClassResultsWindow::exportPdf()
{
    const QString path = askSavePath(QStringLiteral("Exportar la tabla a PDF"), QStringLiteral("Documento PDF (*.pdf)|*.pdf"),
                                     QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    // A large class takes a while: the pages are counted in a box that can stop them, and the
    // window keeps answering between pages.
    QProgressDialog progress(QStringLiteral("Exportando la tabla a PDF…"), QStringLiteral("Cancelar"), 0, 1, this);
    progress.setWindowTitle(QStringLiteral("Exportar la tabla a PDF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    const std::optional<TextFile::SaveStatus> saved =
        ClassResults::writePdf(path, shownRows(), m_folder, [&progress](int done, int pages) {
            // While the rows are laid out the pages are not known: the bar just shows it is busy.
            if (pages > 0) {
                progress.setMaximum(pages);
                progress.setValue(done);
                progress.setLabelText(QStringLiteral("Exportando la tabla a PDF: página %1 de %2…").arg(done).arg(pages));
            } else {
                progress.setMaximum(0);
                progress.setValue(0);
            }
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.close();
    if (saved && *saved != TextFile::SaveStatus::Ok)
        throw AppError(TextFile::saveErrorMessage(path, *saved));
}
