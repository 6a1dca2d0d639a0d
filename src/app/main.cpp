#include "app/CFaxClientApp.h"

#include <string_view>

int main(int argc, char** argv) {
    desklet::CFaxClientApp app(argc, argv);
    if (argc == 2 && std::string_view(argv[1]) == "--print-jobs") {
        app.SetPrintJobsMode();
    }
    return app.Run();
}
