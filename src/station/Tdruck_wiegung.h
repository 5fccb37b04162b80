#pragma once

#include <QWidget>

class Database;
class QLineEdit;
struct TicketPage;

// Where a built ticket goes: the preview window or the default printer. Tests put a recorder here.
class TicketOutput
{
public:
    virtual ~TicketOutput() = default;
    // Returns when the preview is closed; the station keeps handling its events meanwhile.
    virtual void preview(const TicketPage& page) = 0;
    // One copy on the default printer. Throws TicketError naming the problem.
    virtual void print(const TicketPage& page) = 0;
};

// Preview through QPrintPreviewDialog (print or save as PDF from there), print on the default printer.
class PrinterOutput : public TicketOutput
{
public:
    void preview(const TicketPage& page) override;
    void print(const TicketPage& page) override;
};

// The ticket form: the weigh number goes into its hidden edit wiegenummer, then the report is
// previewed or printed. It stays hidden for the whole run.
class Tdruck_wiegung : public QWidget
{
    Q_OBJECT
public:
    Tdruck_wiegung(Database& db, const QString& photoDir, QWidget* parent = nullptr);

    QLineEdit* wiegenummer() const { return m_wiegenummer; }
    void setWeighNumber(const QString& number);

    // QuickRep1: builds the ticket of the weigh number in the edit afresh and shows or prints it.
    void preview();
    void print();

    // Installs where tickets go (not owned); nullptr restores the printer.
    static void setOutput(TicketOutput* output);

private:
    Database& m_db;
    QString m_photoDir;
    QLineEdit* m_wiegenummer;
};
