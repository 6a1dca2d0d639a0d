#include "app/CFaxClientApp.h"

int main(int argc, char** argv) {
    desklet::CFaxClientApp app(argc, argv);
    return app.Run();
}
