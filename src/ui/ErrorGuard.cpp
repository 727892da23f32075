// The standard error box for exceptions that end a handler.
#include "ui/ErrorGuard.h"

#include "shared/AppError.h"
#include "ui/DialogService.h"

#include <QApplication>

namespace ErrorGuard {

void showError(const QString &text)
{
    DialogService::instance().message(QApplication::activeWindow(), text, QApplication::applicationName(),
                                      MessageIcon::Error, MessageButtons::Ok);
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const SilentAbort &) {
    } catch (const AppError &error) {
        showError(error.message());
    } catch (const std::exception &error) {
        showError(QString::fromUtf8(error.what()));
    } catch (...) {
        showError(QStringLiteral("Error desconocido."));
    }
}

} // namespace ErrorGuard
