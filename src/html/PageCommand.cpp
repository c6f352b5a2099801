#include "html/PageGenerators.h"

namespace gavlin {

PageResult RunPageCommand(PageCommand command, const std::filesystem::path& dir, ProgressSink& progress,
                          Messenger& messenger) {
    switch (command) {
        case PageCommand::Registration:
            return MakeRegistrationPage(dir, progress, messenger);
        case PageCommand::NewItemForm:
            return MakeNewItemFormPage(dir, progress, messenger);
        case PageCommand::ItemPages:
            return MakeItemPages(dir, progress, messenger);
        case PageCommand::CategoryPages:
            return MakeCategoryPages(dir, progress, messenger);
        case PageCommand::MainMenu:
            return MakeMainMenuPage(dir, progress, messenger);
        case PageCommand::All:
            break;
    }
    PageResult result = PageResult::Finished;
    for (auto* generate :
         {MakeItemPages, MakeCategoryPages, MakeMainMenuPage, MakeNewItemFormPage, MakeRegistrationPage}) {
        PageResult r = generate(dir, progress, messenger);
        if (r == PageResult::Failed) return r;
        if (r == PageResult::Message) result = r;
    }
    return result;
}

}  // namespace gavlin
