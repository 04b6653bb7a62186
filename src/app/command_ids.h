#pragma once

namespace tabula {

// The ids of the menu commands; the numbers are the program's historic ones and name the
// commands in the menu and in the tests.
enum class CommandId : int {
    kNew = 40010,
    kOpen = 57601,
    kSave = 57603,
    kSaveAs = 40020,
    kMerge = 40071,
    kImportCardfile = 40050,
    kExportText = 40053,
    kExportCsv = 40055,
    kPrintCard = 40044,
    kPrintList = 40045,
    kPrintTag = 40056,
    kSendCard = 40048,
    kSendList = 40057,
    kSendTag = 40058,
    kExit = 40003,
    kUndo = 57643,
    kCut = 57635,
    kCopy = 57634,
    kPaste = 57637,
    kIndex = 40011,
    kGoTo = 40013,
    kFind = 57636,
    kAdd = 40005,
    kDelete = 40006,
    kTag = 40059,
    kRestore = 40021,
    kHelpContents = 40043,
    kAbout = 40008,
};

}  // namespace tabula
