#pragma once

#include "Query.h"

#include <QDialog>

class Database;
class QCheckBox;
class QLineEdit;
class QPushButton;

// Create and edit windows of vehicles and products.
class Tfahrzeuganlegen : public QDialog
{
    Q_OBJECT
public:
    explicit Tfahrzeuganlegen(Database& db, QWidget* parent = nullptr);
    void Button1Click();

private:
    Database& m_db;
    QLineEdit *m_description, *m_tara;
};

class Tfahrzeuganpassen : public QDialog
{
    Q_OBJECT
public:
    explicit Tfahrzeuganpassen(Database& db, QWidget* parent = nullptr);
    // The vehicle's id; a different value loads the vehicle.
    void setId(const QString& id);
    void Button1Click();

private:
    void load(const QString& id);

    Database& m_db;
    Query m_fahrzeug;
    QLineEdit *m_id, *m_description, *m_tara;
    QCheckBox* m_inactive;
};

class Tproduktanlegen : public QDialog
{
    Q_OBJECT
public:
    explicit Tproduktanlegen(Database& db, QWidget* parent = nullptr);
    void Button1Click();

private:
    Database& m_db;
    QLineEdit* m_name;
};

class Tproduktanpassen : public QDialog
{
    Q_OBJECT
public:
    explicit Tproduktanpassen(Database& db, QWidget* parent = nullptr);
    void setId(const QString& id);
    void Button1Click();

private:
    void load(const QString& id);

    Database& m_db;
    Query m_produkt;
    QLineEdit *m_id, *m_name;
    QCheckBox* m_inactive;
};
