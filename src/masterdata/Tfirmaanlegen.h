#pragma once

#include "Query.h"
#include "QueryModel.h"

#include <QDialog>

class Database;
class PictureButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// The company editor: a new company ("neu") or the company whose id is in the hidden field art,
// with its preferred article, its assigned vehicles and its preferred vehicle.
class Tfirmaanlegen : public QDialog
{
    Q_OBJECT
public:
    Tfirmaanlegen(Database& db, const QString& photoDir, QWidget* parent = nullptr);

    // "neu", a company id, or empty. A different value loads the editor; an equal one does nothing.
    void setArt(const QString& art);
    QString art() const;
    // A tag read while the editor is the active window lands here; nothing is saved until Button1.
    void setTag(const QString& tag);

    void Button1Click();
    void Button2Click();
    void Image1Click();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void artChanged(const QString& art);
    void loadNew();
    void loadCompany(qint64 id);
    void zuordnungen_laden();
    void reload();
    void runAssignment(const std::function<void(qint64 company)>& action);
    void openGuarded(Query& q, QueryModel& model, QListView* list);
    void updateButtons();
    qint64 companyId() const;

    Database& m_db;
    QString m_photoDir;
    QLineEdit* m_art;
    QLineEdit *m_name, *m_address, *m_plz, *m_ort, *m_rfid;
    QComboBox* m_trigger;
    QCheckBox *m_kunde, *m_lieferant, *m_inaktiv;
    QLineEdit *m_prefArticle, *m_prefVehicle;
    QListView *m_products, *m_assigned, *m_vehicles;
    PictureButton *m_image1, *m_image2, *m_image3, *m_image4, *m_image5, *m_image6;
    QLabel* m_panel1;
    QWidget* m_groups;
    QPushButton *m_save, *m_erase;

    Query m_firmendetails, m_vorzugartikel, m_vorzugfahrzeuge;
    Query m_verfuegbare_produkte, m_zugeordnete_fahrzeuge, m_fahrzeugstamm;
    QueryModel m_productModel, m_assignedModel, m_vehicleModel;
};
