#include "presentation/AnimationSequenceManager.h"
#include "presentation/StripSequence.h"
#include "support/RenderFixture.h"

#include <stdexcept>

namespace {
struct BarrenSequence : StripSequence {
    Data* createNew() const override { return nullptr; }
};

class AnimationSequenceTest : public AnimationFixture {};
} // namespace

// Registering a type whose prototype makes nothing (a broken plug-in) keeps the old one.
TEST_F(AnimationSequenceTest, StripFramesAreBandsCountedFromTheBottom) {
    AnimationSequencePtr bands = sequences->getSequence("Bands");
    bands->load();
    const AnimationSequence::Data* data = bands->getData();
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(Vector2(0, 0.75), data->frame(1).texCoords.min);
    EXPECT_EQ(Vector2(1, 1), data->frame(1).texCoords.max);
    EXPECT_THROW(data->frame(2), std::out_of_range);
    EXPECT_EQ(sequenceFile, bands->getFileHint()); // where the element was found
    bands->unload();
    EXPECT_EQ(nullptr, bands->getData());
    const AnimationSequence::Data* strip = sequences->findSequenceType("StripSequence");
    ASSERT_NE(nullptr, strip);
    sequences->registerSequenceType("StripSequence", BarrenSequence());
    EXPECT_EQ(strip, sequences->findSequenceType("StripSequence"));
}
