#include "ErrorBoundary.h"

#include "DatabaseError.h"
#include "Prompt.h"

#include <QString>

namespace ErrorBoundary {

bool run(const std::function<void()>& fn)
{
    try {
        fn();
        return true;
    } catch (const DatabaseError& e) {
        Prompt::instance().error(e.text());
    } catch (const std::exception& e) {
        Prompt::instance().error(QString::fromUtf8(e.what()));
    } catch (...) {
        Prompt::instance().error(QStringLiteral("Unbekannter Fehler."));
    }
    return false;
}

} // namespace ErrorBoundary
