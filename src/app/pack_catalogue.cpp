#include "app/pack_catalogue.hpp"

#include <algorithm>

#include "app/own_level_pack.hpp"
#include "platform/archive/open_packs.hpp"
#include "records/records.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

PackCatalogue theCatalogue;

namespace {

template <typename Hook, typename... Args>
void call(const Hook& hook, Args... args)
{
    if (hook)
        hook(args...);
}

} // namespace

PackCatalogue::~PackCatalogue()
{
    withdrawOpenPacks();
}

void PackCatalogue::withdrawOpenPacks() const
{
    if (burrowix::standardPack == standardPack.get())
        burrowix::standardPack = nullptr;
    if (burrowix::currentPack == currentPack.get())
        burrowix::currentPack = nullptr;
}

void PackCatalogue::reset()
{
    withdrawOpenPacks();
    packCatalogue.clear();
    levelPackCount = 0;
    themeTable = {};
    themeCount = 0;
    selectedLevelPack = 0;
    selectedTheme = 0;
    difficulty = 0;
    currentLevelCount = 0;
    currentPackNumber = 0;
    ownPackSelected = false;
    standardPackName = assets::kStandardPackName;
    currentPackPath.clear();
    standardPack.reset();
    currentPack.reset();
    currentPackKind = kStandard;
}

std::string PackCatalogue::pathOf(const std::string& fileName) const
{
    if (folder.empty())
        return fileName;
    return folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

int PackCatalogue::build(const std::vector<std::string>& packFiles)
{
    packCatalogue.clear();
    currentPackPath = standardPackName;
    if (packFiles.empty())
        return 0;
    themeCount = 0;
    for (const std::string& name : packFiles) {
        PackArchive archive(pathOf(name));
        const int member = archive.findMember(kPackDescriptionName);
        std::vector<std::uint8_t> bytes;
        if (member < 0 || !archive.readMember(member, bytes))
            continue;
        PackInfo info = parsePackDescription(bytes);
        info.fileName = name;
        const int index = static_cast<int>(packCatalogue.size());
        if (info.packType == PackInfo::kLevelPack) {
            ++levelPackCount;
            if (info.packNumber == 0)
                selectedLevelPack = index;
        }
        if (info.packType == PackInfo::kThemePack) {
            if (info.themeNumber == 0)
                selectedTheme = index;
            // Theme packs beyond the table's room are catalogued but not tabled.
            if (themeCount < kThemeTableSize)
                themeTable[themeCount++] = {info.themeNumber, index};
        }
        packCatalogue.push_back(std::move(info));
    }
    standardPack = std::make_unique<PackArchive>(pathOf(standardPackName));
    currentPack = std::make_unique<PackArchive>(pathOf(standardPackName));
    currentPackKind = kStandard;
    publishOpenPacks();
    return 1;
}

void PackCatalogue::publishOpenPacks() const
{
    burrowix::standardPack = standardPack.get();
    burrowix::currentPack = currentPack.get();
}

void PackCatalogue::replaceCurrentPack(const std::string& fileName)
{
    currentPack.reset(); // its temporary copies go with it
    currentPack = std::make_unique<PackArchive>(pathOf(fileName));
    publishOpenPacks();
}

void PackCatalogue::useStandardPack()
{
    if (currentPackKind == kStandard)
        return;
    currentPackPath.clear();
    replaceCurrentPack(standardPackName);
    currentPackKind = kStandard;
}

void PackCatalogue::useThemePack()
{
    if (currentPackKind == kTheme)
        return;
    const PackInfo* theme = selectedThemeInfo();
    currentPackPath = theme ? theme->fileName : std::string();
    replaceCurrentPack(currentPackPath);
    currentPackKind = kTheme;
}

void PackCatalogue::useLevelPack()
{
    const PackInfo* pack = selectedLevelPackInfo();
    currentPackPath = pack ? pack->fileName : std::string();
    replaceCurrentPack(currentPackPath);
    currentPackKind = kLevel;
}

void PackCatalogue::openCurrentPackOn(const std::string& fileName)
{
    replaceCurrentPack(fileName);
}

const PackInfo* PackCatalogue::selectedLevelPackInfo() const
{
    return selectedLevelPack >= 0 && selectedLevelPack < static_cast<int>(packCatalogue.size())
               ? &packCatalogue[selectedLevelPack]
               : nullptr;
}

const PackInfo* PackCatalogue::selectedThemeInfo() const
{
    return selectedTheme >= 0 && selectedTheme < static_cast<int>(packCatalogue.size())
               ? &packCatalogue[selectedTheme]
               : nullptr;
}

void PackCatalogue::copyLevelPackInfo()
{
    if (ownPackSelected) {
        currentLevelCount = std::int32_t(ownLevelPack.levels.size());
        currentPackNumber = difficulty;
        return;
    }
    if (const PackInfo* pack = selectedLevelPackInfo()) {
        currentLevelCount = pack->levelCount;
        currentPackNumber = pack->packNumber;
    }
}

std::int32_t PackCatalogue::unlockedLevels() const
{
    return ownPackSelected ? std::int32_t(ownLevelPack.levels.size()) : theRecords.progress.unlockedLevels(difficulty);
}

int PackCatalogue::findLevelPack(std::int32_t number) const
{
    for (int i = 0; i < static_cast<int>(packCatalogue.size()); ++i)
        if (packCatalogue[i].packType == PackInfo::kLevelPack && packCatalogue[i].packNumber == number)
            return i;
    return -1;
}

int PackCatalogue::themePackOf(std::int32_t number) const
{
    for (int i = 0; i < static_cast<int>(packCatalogue.size()); ++i)
        if (packCatalogue[i].packType == PackInfo::kThemePack && packCatalogue[i].themeNumber == number)
            return i;
    return -1;
}

void PackCatalogue::selectTheme(int index)
{
    if (index < 0 || index == selectedTheme)
        return;
    selectedTheme = index;
    call(hooks.reloadThemePictures);
}

void PackCatalogue::selectLevelTheme(std::int32_t number)
{
    int index = number >= 0 ? themePackOf(number) : -1;
    if (index < 0)
        if (const PackInfo* pack = selectedLevelPackInfo())
            index = themePackOf(pack->themeNumber);
    selectTheme(index);
}

void PackCatalogue::applyLevelPackSelection(int index)
{
    selectedLevelPack = index;
    // Compared with the theme selected, not the last pack's: an own level may have chosen another.
    selectTheme(themePackOf(packCatalogue[index].themeNumber));
    call(hooks.startCurrentLevel);
    useLevelPack();
    call(hooks.reloadPackPicture);
}

void PackCatalogue::selectLevelPackByNumber()
{
    currentPackPath.clear();
    const int index = findLevelPack(difficulty);
    if (index >= 0)
        applyLevelPackSelection(index);
}

bool PackCatalogue::stepOwnPack(int direction)
{
    if (ownPackSelected) {
        // Back from the own levels to the pack of the difficulty they were played at.
        if (direction > 0)
            return true;
        call(hooks.startPreviewSlide, -1);
        ownPackSelected = false;
        selectLevelPackByNumber();
        return true;
    }
    if (direction < 0 || difficulty < levelPackCount - 1 || ownLevelPack.levels.empty())
        return false;
    call(hooks.startPreviewSlide, +1);
    ownPackSelected = true;
    screenFlow.levelNumber = std::min(screenFlow.levelNumber, std::int32_t(ownLevelPack.levels.size()) - 1);
    call(hooks.startCurrentLevel);
    return true;
}

void PackCatalogue::stepLevelPack(int direction)
{
    if (hooks.previewBusy && hooks.previewBusy())
        return;
    if (stepOwnPack(direction))
        return;
    if (direction < 0 ? difficulty < 1 : difficulty >= levelPackCount - 1)
        return;
    call(hooks.startPreviewSlide, direction);
    difficulty += direction;
    currentPackPath.clear();
    const PackInfo* current = selectedLevelPackInfo();
    if (!current)
        return;
    const std::int32_t p = current->packNumber;
    for (int k = 1; k <= 9; ++k) {
        const std::int32_t wanted = p + direction * k;
        if (wanted < 0)
            return;
        const int index = findLevelPack(wanted);
        if (index >= 0) {
            applyLevelPackSelection(index);
            return;
        }
    }
}

} // namespace burrowix
