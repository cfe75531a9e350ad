#include "app/record_files.hpp"

#include "app/pack_catalogue.hpp"
#include "common/atomic_file.hpp"
#include "platform/system/fatal_error.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/message_box.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace burrowix {

void readOptions()
{
    StoredOptions stored{theRecords.options, screenFlow.levelNumber, theCatalogue.difficulty};
    if (!readOptionsFile(theRecords.optionsPath, stored)) {
        theRecords.options.reset();
        return;
    }
    theRecords.options = stored.options;
    screenFlow.levelNumber = stored.level;
    theCatalogue.difficulty = stored.difficulty;
    theCatalogue.selectLevelPackByNumber();
}

bool writeOptions()
{
    return writeOptionsFile(theRecords.optionsPath,
                            {theRecords.options, screenFlow.levelNumber, theCatalogue.difficulty});
}

void readHallOfFame()
{
    theRecords.difficultyPromptPending = theRecords.scoreFile.read(theRecords.hallOfFame);
    theRecords.hallOfFameRead = true;
}

bool writeHallOfFame()
{
    return theRecords.scoreFile.write(theRecords.hallOfFame, theRecords.difficultyPromptPending);
}

void insertHallOfFameEntry(std::int32_t score, const std::string& name)
{
    theRecords.difficultyPromptPending =
        theRecords.scoreFile.insertEntry(theRecords.hallOfFame, score, name, theRecords.difficultyPromptPending);
}

void readProgress()
{
    if (!theRecords.progress.read(theRecords.progressPath))
        theRecords.progress.reset();
    theRecords.progressRead = true;
}

bool writeProgress()
{
    return theRecords.progress.write(theRecords.progressPath);
}

void removeAbandonedRecordTemporaries()
{
    for (const std::string& path : {theRecords.scoreFile.path, theRecords.optionsPath, theRecords.progressPath})
        removeAbandonedTemporaries(path);
}

bool saveRecordFiles()
{
    std::string failures;
    auto save = [&](bool (*write)(), const std::string& path) {
        if (write())
            return;
        const std::string why = "cannot save " + path + ": " + std::strerror(errno) + "; the old file is kept";
        std::fprintf(stderr, "burrowix: %s\n", why.c_str());
        failures += why + "\n";
    };
    if (theRecords.hallOfFameRead)
        save(writeHallOfFame, theRecords.scoreFile.path);
    save(writeOptions, theRecords.optionsPath);
    if (theRecords.progressRead)
        save(writeProgress, theRecords.progressPath);
    if (failures.empty())
        return true;
    app.exitStatus = 1;
    failures.pop_back();
    if (app.mainWindow && app.mainWindow->exists())
        showMessageBox(kWindowTitle, failures.c_str(), app.mainWindow);
    return false;
}

} // namespace burrowix
