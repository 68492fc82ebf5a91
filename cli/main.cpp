// vantor-admin: the accounts, addresses, mount points and servers of the
// VANTOR FTP server from a shell, on the same core as the wizard. Results go
// to standard output, every message to standard error in the user's
// language, and the exit code says how the command ended.
#include "cli/Output.h"
#include "cli/Verbs.h"
#include "texts/Translation.h"

#include <cerrno>
#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[]) {
    using namespace vantor::admin;
    // The translators need an application object; it takes no options of
    // its own from the command line.
    QCoreApplication application(argc, argv);
    vantor::installTranslations(application, vantor::userInterfaceLocale());

    int code = kExitDone;
    {
        OutputFile output(STDOUT_FILENO);
        std::ostream out(&output);
        code = runAdmin(std::vector<std::string>(argv + 1, argv + argc), std::cin, out, std::cerr,
                        ::isatty(STDIN_FILENO) == 1);
    }
    // A file system may report a failed write only when the file is closed.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF && code != kExitFile) {
        tell(outputFailedText(errno));
        code = kExitFile;
    }
    return code;
}
