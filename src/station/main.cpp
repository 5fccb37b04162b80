#include "GuardedApplication.h"
#include "TForm1.h"
#include "WidgetPrompt.h"

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    GuardedApplication app(argc, argv);
    GuardedApplication::setApplicationName(QStringLiteral("pondamir"));
    GuardedApplication::setApplicationDisplayName(QStringLiteral("Pondamir"));
    WidgetPrompt prompt;
    Prompt::install(&prompt);

    TForm1 form(QCoreApplication::applicationDirPath());
    form.show();
    const int rc = app.exec();
    Prompt::install(nullptr);
    return rc;
}
