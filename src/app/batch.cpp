// regatix-batch: loads one race without a window and writes the outputs asked for on the command line.
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>

#include "app/BatchCommand.h"
#include "race/InputError.h"

namespace {

std::string ExecutableFolder(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = std::filesystem::absolute(argv0, error);
  return self.parent_path().generic_string() + "/";
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const app::BatchRequest request = app::ParseBatchArguments(argc, argv);
    if (request.help) {
      std::cout << app::BatchUsage();
      return 0;
    }
    if (!request.makeRace.empty()) return app::RunMakeRace(request, std::cout, std::cerr) ? 0 : 1;
    app::RunBatch(request, ExecutableFolder(argv[0]));
    return 0;
  } catch (const app::UsageError& e) {
    std::cerr << "regatix-batch: " << e.what() << "\n(regatix-batch --help lists the options)\n";
    return 2;
  } catch (const race::InputError& e) {
    std::cerr << e.what() << '\n';
    return 1;
  } catch (const std::bad_alloc&) {
    std::cerr << "regatix-batch: not enough memory to load the race\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}
