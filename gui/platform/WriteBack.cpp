#include "gui/platform/WriteBack.h"

#include "gui/platform/BusyCursor.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

namespace vantor {

ChangedAnswer askAboutChangedFile(QWidget* owner, const std::string& fileName, Str question) {
    const auto answer = ui().ask(owner, QString(), loadString(question).arg(toQt(fileName)),
                                 {loadString(Str::AnswerOverwrite), loadString(Str::AnswerReload)});
    if (!answer)
        return ChangedAnswer::Cancel;
    return *answer == 0 ? ChangedAnswer::Overwrite : ChangedAnswer::Reload;
}

WriteBack writeBackChecked(QWidget* owner, const std::string& fileName, FileStamp& read,
                           const std::function<void()>& write, Str question) {
    for (;;) {
        FileStamp now;
        bool written = false;
        {
            const BusyCursor busy;
            written = WriteIfUnchanged(fileName, read, write, now);
        }
        if (written)
            return WriteBack::Written;
        switch (askAboutChangedFile(owner, fileName, question)) {
        case ChangedAnswer::Overwrite:
            read = now;
            break;
        case ChangedAnswer::Reload:
            return WriteBack::Reload;
        case ChangedAnswer::Cancel:
            return WriteBack::Cancelled;
        }
    }
}

} // namespace vantor
