#pragma once
// The fixture of the picture tests: the data files and the catalogue in English, the engine
// tables given back afterwards, and the colours of a picture read back.

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

class PictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }

    // Returns the colour of pixel x, y as red + 256 green + 65536 blue.
    static double ColorAt(const QImage& picture, int x, int y) {
        const QRgb c = picture.pixel(x, y);
        return qRed(c) + 256.0 * qGreen(c) + 65536.0 * qBlue(c);
    }

    // Returns the points (pixels) of n + 1 samples evenly along the middle part of the
    // segment from (x1, y1) to (x2, y2), leaving out a fifth at either end.
    static std::vector<QPoint> Along(double x1, double y1, double x2, double y2, int n = 40) {
        std::vector<QPoint> points;
        for (int i = 0; i <= n; ++i) {
            const double f = 0.2 + 0.6 * i / n;
            points.emplace_back(static_cast<int>(x1 + f * (x2 - x1) + 0.5),
                                static_cast<int>(y1 + f * (y2 - y1) + 0.5));
        }
        return points;
    }

  private:
    SavedEngineTables udtSaved;
};
