#include "app/CLexivoApp.h"
#include "config/ClientConfig.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const ClientConfig config = ClientConfig::load(executableFolder());
    CLexivoApp lexivo(config);
    return lexivo.InitInstance();
}
