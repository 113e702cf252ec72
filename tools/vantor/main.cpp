// vantor: the spelling checker on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "dictionary_directory.h"
#include "tool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return vantor::RunTool(arguments, vantor::DictionaryDirectory(),
                         vantor::ToolStreams{std::cin, std::cout, std::cerr});
}
