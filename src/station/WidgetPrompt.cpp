#include "WidgetPrompt.h"

#include <QApplication>
#include <QMessageBox>

void WidgetPrompt::message(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

void WidgetPrompt::error(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

bool WidgetPrompt::confirm(const QString& text)
{
    return QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok;
}
