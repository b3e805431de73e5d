#pragma once

#include <string>

namespace pickwise {

// Message boxes and Yes/No questions. An empty title means the application
// title ("Pickwise South Africa").
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual void message(const std::string &text, const std::string &title = {}) = 0;
    // true for Yes.
    virtual bool askYesNo(const std::string &text, const std::string &title = {}) = 0;
    // The busy (hourglass) mouse pointer.
    virtual void setBusy(bool busy) = 0;
    // Asks where to save a new file, offering suggestedName; filter names the
    // kind of file ("PDF files (*.pdf)"), whose extension a name typed
    // without one gets. The full path, or "" when the user cancelled.
    virtual std::string chooseFileToSave(
        const std::string &title, const std::string &suggestedName, const std::string &filter)
        = 0;
    // Asks for an existing file to read, of the kinds filter names ("CSV
    // files (*.csv)"). The full path, or "" when the user cancelled.
    virtual std::string chooseFileToOpen(const std::string &title, const std::string &filter) = 0;
};

} // namespace pickwise
