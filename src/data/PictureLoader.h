#pragma once

#include <map>
#include <memory>
#include <string>

class Image;

// Decodes the picture files a data file names, within a total budget of decoded bytes.
// Pictures do not change once loaded, so a file named by several Image blocks is decoded once
// and the images share its pixels. The faces the fighters copy count against the same budget.
// One loader serves one reading of a data file.
class PictureLoader {
public:
    enum class Result {
        Loaded,
        Unreadable,  // missing or broken: the image is left as the readers leave it
        OverBudget   // would pass the budget: the image is left untouched
    };

    explicit PictureLoader(long long budgetBytes) : budgetBytes_(budgetBytes) {}

    // Fills the image with the picture of the file (a path as written in the data file).
    Result load(Image& image, const std::string& path);
    // Counts bytes of a copy (a face) against the budget; false, counting nothing, when they
    // would pass it.
    bool reserve(long long bytes);
    // Gives back bytes counted before (a face replaced by another).
    void release(long long bytes);

    long long usedBytes() const { return usedBytes_; }
    // Picture files decoded so far (each distinct file once).
    int decodeCount() const { return decodeCount_; }

    // Decoded bytes of a picture of that size.
    static long long bytesOf(int width, int height) {
        return static_cast<long long>(width) * height * 4;
    }

private:
    struct Decoded {
        std::unique_ptr<Image> picture;
        bool loaded = false;
    };

    long long budgetBytes_;
    long long usedBytes_ = 0;
    int decodeCount_ = 0;
    std::map<std::string, Decoded> files_;  // by the file's own path, see fileKey
};
