// Velmora: the main window first (its creation sets the number format),
// then the information window, hidden, then the event loop until the main
// window closes.
#include <QApplication>
#include <QIcon>

#include "tinformazioni.h"
#include "tmenugen.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/velmora.svg")));

    TMenuGEN menu;
    TInformazioni information;
    menu.setInformationWindow(&information);
    menu.show();
    return QApplication::exec();
}
