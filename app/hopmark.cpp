// The program entry; everything else is in RunHopmark.
#include "app/Program.h"

#include "app/MainForm.h"
#include "app/TrayForm.h"

int main() {
    int code = RunHopmark();
    Form1 = nullptr;
    Form2 = nullptr;
    return code;
}
