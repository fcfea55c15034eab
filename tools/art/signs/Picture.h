#pragma once

#include <QPainter>
#include <vector>

namespace art {

// One picture of the bank: its name (the question's imgname), its size, and the function that
// paints it with the origin at the centre of the image.
struct Picture
{
    const char* name;
    int width;
    int height;
    void (*paint)(QPainter&);
};

std::vector<Picture> SignPictures();
std::vector<Picture> ScenePictures();
std::vector<Picture> DashboardPictures();
std::vector<Picture> SituationPictures();

} // namespace art
