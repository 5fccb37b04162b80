#include "Tdruck_wiegung.h"

#include "Prompt.h"
#include "TicketError.h"
#include "TicketRenderer.h"

#include <QAction>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPrintPreviewDialog>
#include <QToolBar>

namespace {
PrinterOutput g_printer;
TicketOutput* g_output = &g_printer;
} // namespace

void PrinterOutput::preview(const TicketPage& page)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(QStringLiteral("Wiegeschein %1").arg(page.weighNumber));
    QPrintPreviewDialog dialog(&printer);
    dialog.setWindowTitle(QStringLiteral("Wiegeschein %1").arg(page.weighNumber));
    dialog.resize(900, 1000);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&page](QPrinter* p) {
        p->setFullPage(true);
        TicketRenderer::paintOn(*p, page);
    });
    // Saving as PDF right from the preview's tool bar, besides printing from it.
    if (auto* bar = dialog.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* save = bar->addAction(QStringLiteral("Als PDF speichern"));
        QObject::connect(save, &QAction::triggered, &dialog, [&dialog, &page] {
            const QString file = QFileDialog::getSaveFileName(
                &dialog, QStringLiteral("Wiegeschein als PDF speichern"),
                QStringLiteral("Wiegeschein_%1.pdf").arg(page.weighNumber), QStringLiteral("PDF (*.pdf)"));
            if (file.isEmpty())
                return;
            try {
                TicketRenderer::toPdf(page, file);
            } catch (const TicketError& e) {
                Prompt::instance().message(e.message());
            }
        });
    }
    // Shown beside the main window, not over it: the station goes on while it is open.
    dialog.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
}

void PrinterOutput::print(const TicketPage& page)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw TicketError(QStringLiteral("Es ist kein Standarddrucker eingerichtet; der Wiegeschein %1 wurde nicht "
                                         "gedruckt. Die Wiegung ist gespeichert und kann aus der Liste erneut "
                                         "gedruckt werden.")
                              .arg(page.weighNumber));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(QStringLiteral("Wiegeschein %1").arg(page.weighNumber));
    TicketRenderer::paintOn(printer, page);
    if (printer.printerState() == QPrinter::Error)
        throw TicketError(QStringLiteral("Der Drucker %1 meldet einen Fehler; der Wiegeschein %2 wurde nicht gedruckt. "
                                         "Die Wiegung ist gespeichert.")
                              .arg(info.printerName(), page.weighNumber));
}

Tdruck_wiegung::Tdruck_wiegung(Database& db, const QString& photoDir, QWidget* parent)
    : QWidget(parent), m_db(db), m_photoDir(photoDir)
{
    setObjectName(QStringLiteral("druck_wiegung"));
    m_wiegenummer = new QLineEdit(this);
    m_wiegenummer->setObjectName(QStringLiteral("wiegenummer"));
    m_wiegenummer->hide();
    hide();
}

void Tdruck_wiegung::setWeighNumber(const QString& number)
{
    m_wiegenummer->setText(number);
}

void Tdruck_wiegung::preview()
{
    g_output->preview(TicketRenderer::build(m_db, m_wiegenummer->text(), m_photoDir));
}

void Tdruck_wiegung::print()
{
    g_output->print(TicketRenderer::build(m_db, m_wiegenummer->text(), m_photoDir));
}

void Tdruck_wiegung::setOutput(TicketOutput* output)
{
    g_output = output ? output : &g_printer;
}
