#include "main_window/displaycheck.h"
#include "main_window/form1.h"
#include "main_window/termination.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto application = openDisplay<QApplication>(argc, argv);
    quitOnTerminationRequest();
    Form1 window;
    return application->exec();
}
