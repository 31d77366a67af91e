#include "presentation/AnimationSequenceManager.h"
#include "presentation/StripSequence.h"
#include "support/RenderFixture.h"
#include "world/XmlFileManager.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
// A sequence type that cannot make objects, as a broken plug-in would.
class BarrenSequence : public StripSequence {
public:
    Data* createNew() const override { return nullptr; }
};

class AnimationSequenceTest : public AnimationFixture {};
} // namespace

TEST_F(AnimationSequenceTest, StripFramesAreBandsCountedFromTheBottom) {
    AnimationSequencePtr bands = sequences->getSequence("Bands");
    bands->load();
    ASSERT_FALSE(bands->loadFailed());
    const AnimationSequence::Data* data = bands->getData();
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(2u, data->frameCount());
    AnimationSequence::Frame top = data->frame(1);
    EXPECT_EQ(Vector2(0, 0.75), top.texCoords.min);
    EXPECT_EQ(Vector2(1, 1), top.texCoords.max);
    EXPECT_THROW(data->frame(2), std::out_of_range);
    // Loading remembers where the element was found.
    EXPECT_EQ(sequenceFile, bands->getFileHint());
}

TEST_F(AnimationSequenceTest, TypeRegistrationReplacesAndRefusesBarrenPrototypes) {
    const AnimationSequence::Data* strip = sequences->findSequenceType("StripSequence");
    ASSERT_NE(nullptr, strip);
    sequences->registerSequenceType("StripSequence", BarrenSequence());
    EXPECT_EQ(strip, sequences->findSequenceType("StripSequence"));
    sequences->registerSequenceType("StripSequence", StripSequence());
    EXPECT_NE(nullptr, sequences->findSequenceType("StripSequence"));
    EXPECT_EQ(nullptr, sequences->findSequenceType("FlipBook"));
    EXPECT_EQ(1u, files->getElementTypes().count("AnimationSequence"));
}

TEST_F(AnimationSequenceTest, UnloadDropsTheFramesAndAHintIsOnlyTakenWhenGiven) {
    AnimationSequencePtr bands = sequences->getSequence("Bands", "./elsewhere.xml");
    EXPECT_EQ("./elsewhere.xml", bands->getFileHint());
    EXPECT_EQ(bands, sequences->getSequence("Bands"));
    // A hint naming no such file falls back to the index.
    bands->load();
    EXPECT_NE(nullptr, bands->getData());
    bands->unload();
    EXPECT_EQ(nullptr, bands->getData());
}

TEST(AnimationSequenceManager, NeedsTheXmlFileManager) {
    EXPECT_THROW(AnimationSequenceManager(), myexception);
    EXPECT_EQ(nullptr, AnimationSequenceManager::getSingletonPtr());
}
