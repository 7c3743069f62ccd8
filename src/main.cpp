#include "main_window/displaycheck.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto application = openDisplay<QApplication>(argc, argv);
    Form1 window;
    return application->exec();
}
