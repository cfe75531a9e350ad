#include "app/record_files.hpp"

#include "app/pack_catalogue.hpp"
#include "records/records.hpp"
#include "state/screen_flow_state.hpp"

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
}

bool writeProgress()
{
    return theRecords.progress.write(theRecords.progressPath);
}

bool saveRecordFiles()
{
    const bool score = writeHallOfFame();
    const bool options = writeOptions();
    const bool progress = writeProgress();
    return score && options && progress;
}

} // namespace burrowix
