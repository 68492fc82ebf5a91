#include "gui/platform/WriteBack.h"

#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"
#include "texts/Strings.h"

namespace vantor {

WriteBack writeBackChecked(QWidget* owner, const std::string& fileName, FileStamp& read,
                           const std::function<void()>& write) {
    enum Choice { Overwrite, Reload };
    for (;;) {
        FileStamp now;
        if (WriteIfUnchanged(fileName, read, write, now))
            return WriteBack::Written;
        const auto answer =
            ui().ask(owner, QString(), loadString(Str::FileChangedQuestion).arg(toQt(fileName)),
                     {loadString(Str::AnswerOverwrite), loadString(Str::AnswerReload)});
        if (!answer)
            return WriteBack::Cancelled;
        if (*answer == Reload)
            return WriteBack::Reload;
        read = now;
    }
}

} // namespace vantor
