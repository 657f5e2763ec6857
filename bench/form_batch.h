#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct BatchForm {
  std::string name;  // file name, unique within the batch
  std::string text;
};

// The batch the benchmark converts: every form found in the given folders, a
// number of renamed and shifted variants of each, and generated forms of every
// control kind with menus and nested frames.
std::vector<BatchForm> BuildBatch(const std::vector<std::filesystem::path>& sourceFolders, int variantsPerForm,
                                  int generatedForms);

std::size_t TotalBytes(const std::vector<BatchForm>& batch);

}  // namespace bench
