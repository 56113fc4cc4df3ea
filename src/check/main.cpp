#include "check/CheckCommand.h"
#include "editor/ClientFonts.h"
#include "platform/Terminal.h"

#include <QFile>
#include <QGuiApplication>

namespace {

// Qt's remark on a missing XDG_RUNTIME_DIR while it sets the platform up, as
// on most CI runners, is no concern of the checker's users.
QtMessageHandler qtHandler = nullptr;

void quietStartup(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1StringView("QStandardPaths: ")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // Text is measured with Qt Gui, which needs no display on the offscreen
    // platform: a CI runner has none.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qtHandler = qInstallMessageHandler(quietStartup);
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    QCoreApplication::setApplicationName(QStringLiteral("lexivo-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LEXIVO_VERSION));
    substituteClientFonts();

    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return CheckExit::NotChecked;
    return runCheckCommand(QCoreApplication::arguments(), out, err, isTerminal(stderr));
}
