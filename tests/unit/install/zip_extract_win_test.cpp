// Windows only: names the system keeps for devices, and colons (alternate data streams), are
// refused as targets; they would write somewhere other than a file in the base folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/zip_archive.h"
#include "zip_test_builder.h"
#include "zip_test_folder.h"
#include "zip_test_support.h"

namespace {

TEST(ZipExtractWindows, DeviceNamesAndStreamsAreRefused) {
    OpenedZip zip(BuildZip({CraftedEntry("f.txt", "x")}));
    ZipTestFolder folder;
    zip.Archive().SetBaseFolder(folder.BaseText());
    for (const wchar_t* target :
         {L"CON", L"nul.txt", L"Aux", L"prn.log", L"COM1", L"lpt9.txt", L"sub/con", L"con /x.txt",
          L"CONIN$", L"f.txt:stream", L"sub:x/f.txt"}) {
        EXPECT_EQ(zip.Archive().ExtractEntry(0, target), kZipCannotOpen) << target;
    }
    EXPECT_TRUE(folder.BaseListing().empty());
    for (const wchar_t* target : {L"console.txt", L"COM10", L"lpt.txt", L"nul_not.txt"}) {
        EXPECT_EQ(zip.Archive().ExtractEntry(0, target), kZipOk) << target;
    }
}

}  // namespace
