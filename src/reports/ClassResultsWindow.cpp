// The class view: a sortable table over ClassResults, its averages and a histogram.
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
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
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

} // namespace

ClassResultsWindow::ClassResultsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ClaseWindow"));
    setWindowTitle(QStringLiteral("Resultados de la clase"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/tildora.png")));
    resize(1120, 660);

    AbrirCarpeta = new QPushButton(QStringLiteral("&Abrir carpeta…"), this);
    AbrirCarpeta->setObjectName(QStringLiteral("AbrirCarpeta"));
    ExportarCSV = new QPushButton(QStringLiteral("Exportar &CSV…"), this);
    ExportarCSV->setObjectName(QStringLiteral("ExportarCSV"));
    ExportarPDF = new QPushButton(QStringLiteral("Exportar &PDF…"), this);
    ExportarPDF->setObjectName(QStringLiteral("ExportarPDF"));
    connect(AbrirCarpeta, &QPushButton::clicked, this, ErrorGuard::guarded(this, &ClassResultsWindow::AbrirCarpetaClick));
    connect(ExportarCSV, &QPushButton::clicked, this, ErrorGuard::guarded(this, &ClassResultsWindow::ExportarCSVClick));
    connect(ExportarPDF, &QPushButton::clicked, this, ErrorGuard::guarded(this, &ClassResultsWindow::ExportarPDFClick));
    FolderLabel = new QLabel(QStringLiteral("Elige la carpeta donde guardas los archivos de resultados de tus alumnos."), this);
    FolderLabel->setObjectName(QStringLiteral("FolderLabel"));
    FolderLabel->setWordWrap(true);

    Table = new QTableWidget(0, ClassResults::headings().size(), this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setAccessibleName(QStringLiteral("Tabla de resultados de la clase"));
    Table->setHorizontalHeaderLabels(ClassResults::headings());
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);

    ClassAverages = new QLabel(this);
    ClassAverages->setObjectName(QStringLiteral("ClassAverages"));
    ClassAverages->setWordWrap(true);
    ClassAverages->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Reparto de los promedios"));
    chart->legend()->hide();
    m_bars = new QBarSet(QStringLiteral("Alumnos"));
    m_bars->setColor(QColor(0x2a, 0x7d, 0xd6));
    auto *bars = new QBarSeries;
    bars->append(m_bars);
    bars->setLabelsVisible(true);
    chart->addSeries(bars);
    // Each bar counts the averages from its number up to the next one (90 up to 100).
    QStringList ranges;
    for (int n = 0; n < 10; ++n)
        ranges << QString::number(n * 10);
    auto *rangeAxis = new QBarCategoryAxis;
    rangeAxis->append(ranges);
    rangeAxis->setTitleText(QStringLiteral("Promedio (%), de diez en diez"));
    auto *countAxis = new QValueAxis;
    countAxis->setLabelFormat(QStringLiteral("%d"));
    countAxis->setTickType(QValueAxis::TicksDynamic);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(1);
    countAxis->setTitleText(QStringLiteral("Alumnos"));
    chart->addAxis(rangeAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    bars->attachAxis(rangeAxis);
    bars->attachAxis(countAxis);
    Histogram = new QChartView(chart, this);
    Histogram->setObjectName(QStringLiteral("Histogram"));
    Histogram->setAccessibleName(QStringLiteral("Histograma de los promedios"));
    Histogram->setMinimumWidth(320);

    Rejected = new QListWidget(this);
    Rejected->setObjectName(QStringLiteral("Rejected"));
    Rejected->setAccessibleName(QStringLiteral("Archivos que no entran en la tabla"));
    Rejected->setMaximumHeight(70);

    OrdenarPor = new QComboBox(this);
    OrdenarPor->setObjectName(QStringLiteral("OrdenarPor"));
    OrdenarPor->addItems(ClassResults::headings());
    auto *sortLabel = new QLabel(QStringLiteral("&Ordenar por:"), this);
    sortLabel->setBuddy(OrdenarPor);
    connect(OrdenarPor, &QComboBox::activated, this, ErrorGuard::guarded(this, &ClassResultsWindow::OrdenarPorChange));
    // A click on a heading shows in the list too.
    connect(Table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, OrdenarPor,
            [this](int column) { OrdenarPor->setCurrentIndex(column); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(AbrirCarpeta);
    buttons->addWidget(ExportarCSV);
    buttons->addWidget(ExportarPDF);
    buttons->addStretch();
    buttons->addWidget(sortLabel);
    buttons->addWidget(OrdenarPor);
    auto *middle = new QHBoxLayout;
    middle->addWidget(Table, 2);
    middle->addWidget(Histogram, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(FolderLabel);
    layout->addLayout(middle, 1);
    layout->addWidget(ClassAverages);
    auto *rejectedTitle = new QLabel(QStringLiteral("Archivos que no entran en la tabla, con el motivo:"), this);
    rejectedTitle->setBuddy(Rejected);
    layout->addWidget(rejectedTitle);
    layout->addWidget(Rejected);
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
    Table->setSortingEnabled(false);
    Table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const ClassResults::Row &row = rows.at(r);
        const QVariant values[] = {row.name, row.group, row.board, row.examples, row.phrases, row.questions,
                                   row.total, row.date.toString(QStringLiteral("dd/MM/yyyy HH:mm"))};
        for (int c = 0; c < int(std::size(values)); ++c)
            Table->setItem(r, c, item(values[c], r));
        Table->item(r, int(std::size(values)) - 1)->setData(dateRole, row.date);
    }
    Table->setSortingEnabled(true);
    Table->sortByColumn(Table->horizontalHeader()->sortIndicatorSection(), Table->horizontalHeader()->sortIndicatorOrder());
    Table->resizeColumnsToContents();

    const ClassResults::Averages a = ClassResults::averages(rows);
    if (m_folder.isEmpty()) {
        ClassAverages->clear();
    } else if (rows.isEmpty()) {
        ClassAverages->setText(QStringLiteral("No hay ningún archivo de resultados en esta carpeta."));
    } else {
        ClassAverages->setText(
            QStringLiteral("Media de la clase (%1 alumnos): Tablero %2 %, Ejemplos %3 %, Frases %4 %, Cuestiones %5 %, "
                           "Promedio %6 %.")
                .arg(rows.size())
                .arg(ClassResults::averageText(a.board), ClassResults::averageText(a.examples),
                     ClassResults::averageText(a.phrases), ClassResults::averageText(a.questions),
                     ClassResults::averageText(a.average)));
    }
    if (!m_folder.isEmpty())
        FolderLabel->setText(QStringLiteral("Carpeta: %1").arg(QDir::toNativeSeparators(m_folder)));

    const QList<int> bins = ClassResults::histogram(rows);
    QList<qreal> counts;
    int highest = 1;
    for (int count : bins) {
        counts << count;
        highest = std::max(highest, count);
    }
    m_bars->remove(0, m_bars->count());
    m_bars->append(counts);
    if (auto *axis = qobject_cast<QValueAxis *>(Histogram->chart()->axes(Qt::Vertical).value(0)))
    {
        // Whole students only on the scale.
        axis->setRange(0, highest + 1);
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(std::max(1, (highest + 5) / 6));
    }
    QStringList spread;
    for (int n = 0; n < bins.size(); ++n)
        spread << QStringLiteral("%1 a %2: %3").arg(n * 10).arg(n == 9 ? 100 : n * 10 + 9).arg(bins.at(n));
    Histogram->setAccessibleDescription(spread.join(QStringLiteral("; ")));

    Rejected->clear();
    for (const ClassResults::Rejected &file : m_contents.rejected)
        Rejected->addItem(QStringLiteral("%1: %2").arg(file.file, file.reason));
    ExportarCSV->setEnabled(!rows.isEmpty());
    ExportarPDF->setEnabled(!rows.isEmpty());
}

QList<ClassResults::Row> ClassResultsWindow::shownRows() const
{
    QList<ClassResults::Row> rows;
    for (int r = 0; r < Table->rowCount(); ++r)
        rows << m_contents.rows.at(Table->item(r, 0)->data(rowIndexRole).toInt());
    return rows;
}

void ClassResultsWindow::OrdenarPorChange(int column)
{
    const bool text = column <= 1;
    Table->sortByColumn(column, text ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ClassResultsWindow::AbrirCarpetaClick()
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

void ClassResultsWindow::ExportarCSVClick()
{
    const QString path = askSavePath(QStringLiteral("Exportar la tabla a CSV"),
                                     QStringLiteral("Hoja de cálculo CSV (*.csv)|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const TextFile::SaveStatus saved = ClassResults::writeCsv(path, shownRows());
    if (saved != TextFile::SaveStatus::Ok)
        throw AppError(TextFile::saveErrorMessage(path, saved));
}

void ClassResultsWindow::ExportarPDFClick()
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
