// The files handed to the desktop: the help page and the attachments, never through a link to elsewhere.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/HelpAndLinks.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

TEST(HelpAndLinks, AHelpPageOrAttachmentFolderLinkedFromElsewhereIsNotOpened) {
  testsupport::TempFolder folder, elsewhere;
  elsewhere.Write("help/index.html", "<html></html>");
  elsewhere.Write("attachment/rules.txt", "rules");
  folder.Write("help/index.html", "<html></html>");
  EXPECT_EQ(shell::HelpPage(folder.folder(), 2), folder.folder() + "help/index.html");

  // A linked help-e/ folder is passed over for the real help/; a linked page in help/ leaves none.
  fs::create_directory_symlink(elsewhere.path() / "help", folder.path() / "help-e");
  EXPECT_EQ(shell::HelpPage(folder.folder(), 2), folder.folder() + "help/index.html");
  fs::remove(folder.path() / "help/index.html");
  fs::create_symlink(elsewhere.path() / "help/index.html", folder.path() / "help/index.html");
  EXPECT_EQ(shell::HelpPage(folder.folder(), 2), std::nullopt);

  race::RaceStore store;
  store.programFolder = folder.folder();
  store.attachmentCount = 1;
  store.attachment[1] = "rules.txt";
  fs::create_directory_symlink(elsewhere.path() / "attachment", folder.path() / "attachment");
  EXPECT_EQ(shell::NextAttachment(store), std::nullopt);
}

}  // namespace
}  // namespace shelltest
