// SPDX-License-Identifier: MIT
#include "shell/mainframe/CTarnGuiApp.h"

int main(int argc, char** argv)
{
    TarnGui::TarnApplication application(argc, argv);
    TarnGui::CTarnGuiApp tarn;
    if (!tarn.InitInstance(QApplication::arguments())) {
        return 1;
    }
    return QApplication::exec();
}
