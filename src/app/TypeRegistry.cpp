#include "app/TypeRegistry.h"

#include "app/LevelActionEvent.h"

#include "core/EventFactory.h"
#include "core/PlayerActionConnectionEvent.h"
#include "core/PlayerActionEvent.h"
#include "gameplay/AmmoPowerUp.h"
#include "gameplay/BoostPowerUp.h"
#include "gameplay/BulletShooter.h"
#include "gameplay/BulletShooterActionEvent.h"
#include "gameplay/CollisionTrigger.h"
#include "gameplay/CountableObject.h"
#include "gameplay/DamageInflicter.h"
#include "gameplay/Damageable.h"
#include "gameplay/DamageableActionEvent.h"
#include "gameplay/DamagedBy.h"
#include "gameplay/DamagedByWithExceptions.h"
#include "gameplay/DeflectOnPing.h"
#include "gameplay/Deflectable.h"
#include "gameplay/EntityRemovalTrigger.h"
#include "gameplay/Explodable.h"
#include "gameplay/ExplodeOnCollision.h"
#include "gameplay/ExplodeOnTimer.h"
#include "gameplay/ExplodeWhenHealthZero.h"
#include "gameplay/FireBulletsOnTimer.h"
#include "gameplay/FireScriptOnPing.h"
#include "gameplay/HealthPowerUp.h"
#include "gameplay/HealthTrigger.h"
#include "gameplay/KillBulletWhenRemoved.h"
#include "gameplay/KillWhenLeavingArea.h"
#include "gameplay/LimitedBulletShooter.h"
#include "gameplay/MovableDeflector.h"
#include "gameplay/MultiTrigger.h"
#include "gameplay/MultiTriggerActionEvent.h"
#include "gameplay/ObjectRemovalCounter.h"
#include "gameplay/PingPowerUp.h"
#include "gameplay/PlayerHealthBar.h"
#include "gameplay/PlayerPing.h"
#include "gameplay/PlayerPingCreator.h"
#include "gameplay/PlayerScore.h"
#include "gameplay/PlayerScrollingAnimationController.h"
#include "gameplay/PlayerScrollingMapController.h"
#include "gameplay/PlayerShield.h"
#include "gameplay/PlayerShieldBar.h"
#include "gameplay/PlayerStaticAnimationController.h"
#include "gameplay/PlayerStaticMapController.h"
#include "gameplay/PlayingArea.h"
#include "gameplay/PlayingAreaSTI.h"
#include "gameplay/PreventFromLeavingArea.h"
#include "gameplay/ScalingPowerUp.h"
#include "gameplay/ScalingPowerUpReceptor.h"
#include "gameplay/ScoreTrigger.h"
#include "gameplay/Scoreable.h"
#include "gameplay/ScreenWrapper.h"
#include "gameplay/ShieldPowerUp.h"
#include "gameplay/StaticSpeedTargetAvoider.h"
#include "gameplay/StaticSpeedTargetFollower.h"
#include "gameplay/TargetSeeker.h"
#include "gameplay/Targetable.h"
#include "gameplay/TargetableGroup.h"
#include "gameplay/TargetableGroupSeeker.h"
#include "gameplay/TimerDisplayUpdater.h"
#include "gameplay/TurnAndDashTargetFollower.h"
#include "physics/CollidableLine.h"
#include "physics/Movable.h"
#include "physics/MovableActionEvent.h"
#include "physics/StaticCollidable.h"
#include "presentation/Animatable.h"
#include "presentation/AnimateAndDie.h"
#include "presentation/AnimationActionEvent.h"
#include "presentation/Camera.h"
#include "presentation/CameraSTI.h"
#include "presentation/DynamicTextDisplay.h"
#include "presentation/FollowingCamera.h"
#include "presentation/MusicPlayer.h"
#include "presentation/OccludedAnimatable.h"
#include "presentation/PlaySoundOnce.h"
#include "presentation/RepeatedStaticImage.h"
#include "presentation/SoundEmitter.h"
#include "presentation/StaticImage.h"
#include "presentation/StaticTextDisplay.h"
#include "world/ComponentAdder.h"
#include "world/ComponentAdderActionEvent.h"
#include "world/ComponentFactory.h"
#include "world/PlayerAction.h"
#include "world/RunScriptWhenAdded.h"
#include "world/ScriptRunner.h"
#include "world/ScriptRunnerActionEvent.h"
#include "world/StaticRandomDistributionSTG.h"
#include "world/TemplateInstantiationActionEvent.h"
#include "world/TemplateInstantiator.h"
#include "world/UniformTimeIncrementSTC.h"

namespace {
template <typename T, typename Factory> void add(Factory& factory) {
    // The factory keeps its own copy; this default object only serves as the original.
    T prototype;
    factory.registerType(prototype);
}

// For components that can only be made with settings: an inert prototype, which serves only to
// create configured copies from data.
template <typename T, typename Factory> void add(Factory& factory, const T& prototype) {
    factory.registerType(prototype);
}
} // namespace

void registerComponentTypes(ComponentFactory& factory) {
    add<AmmoPowerUp>(factory);
    add<Animatable>(factory);
    add<AnimateAndDie>(factory);
    add<BoostPowerUp>(factory);
    add<BulletShooter>(factory);
    add<Camera>(factory);
    add<CameraSTI>(factory);
    add<CollidableLine>(factory);
    add<CollisionTrigger>(factory);
    add<ComponentAdder>(factory);
    add<CountableObject>(factory);
    add<Damageable>(factory);
    add<DamageInflicter>(factory);
    add<DamagedBy>(factory);
    add<DamagedByWithExceptions>(factory);
    add<Deflectable>(factory);
    add<DeflectOnPing>(factory);
    add<DynamicTextDisplay>(factory);
    add<EntityRemovalTrigger>(factory);
    add<Explodable>(factory);
    add<ExplodeOnCollision>(factory);
    add<ExplodeOnTimer>(factory);
    add<ExplodeWhenHealthZero>(factory);
    add<FireBulletsOnTimer>(factory);
    add<FireScriptOnPing>(factory);
    add<FollowingCamera>(factory);
    add<HealthPowerUp>(factory);
    add<HealthTrigger>(factory);
    add<KillBulletWhenRemoved>(factory);
    add<KillWhenLeavingArea>(factory);
    add<LimitedBulletShooter>(factory);
    add<Movable>(factory);
    add<MovableDeflector>(factory);
    add<MultiTrigger>(factory);
    add<MusicPlayer>(factory);
    add<ObjectRemovalCounter>(factory);
    add<OccludedAnimatable>(factory);
    add<PingPowerUp>(factory);
    add<PlayerAction>(factory);
    add<PlayerHealthBar>(factory);
    add<PlayerPing>(factory);
    add(factory, PlayerPingCreator("", ""));
    add<PlayerScore>(factory);
    add<PlayerScrollingAnimationController>(factory);
    add(factory, PlayerScrollingMapController(0.0, 0.0, 0.0, 0.0));
    add<PlayerShield>(factory);
    add<PlayerShieldBar>(factory);
    add<PlayerStaticAnimationController>(factory);
    add(factory, PlayerStaticMapController(0.0, 0.0, 0.0, 0.0));
    add<PlayingArea>(factory);
    add<PlayingAreaSTI>(factory);
    add<PlaySoundOnce>(factory);
    add<PreventFromLeavingArea>(factory);
    add<RepeatedStaticImage>(factory);
    add<RunScriptWhenAdded>(factory);
    add<ScalingPowerUp>(factory);
    add<ScalingPowerUpReceptor>(factory);
    add<Scoreable>(factory);
    add<ScoreTrigger>(factory);
    add<ScreenWrapper>(factory);
    add<ScriptRunner>(factory);
    add<ShieldPowerUp>(factory);
    add<SoundEmitter>(factory);
    add<StaticCollidable>(factory);
    add<StaticImage>(factory);
    add<StaticRandomDistributionSTG>(factory);
    add<StaticSpeedTargetFollower>(factory);
    add<StaticSpeedTargetAvoider>(factory);
    add<StaticTextDisplay>(factory);
    add<TemplateInstantiator>(factory);
    add<TimerDisplayUpdater>(factory);
    add<TurnAndDashTargetFollower>(factory);
    add<Targetable>(factory);
    add<TargetableGroup>(factory);
    add<TargetableGroupSeeker>(factory);
    add<TargetSeeker>(factory);
    add<UniformTimeIncrementSTC>(factory);
}

void registerEventTypes(EventFactory& factory) {
    add<AnimationActionEvent>(factory);
    add<BulletShooterActionEvent>(factory);
    add<ComponentAdderActionEvent>(factory);
    add<DamageableActionEvent>(factory);
    add<LevelActionEvent>(factory);
    add<MovableActionEvent>(factory);
    add<MultiTriggerActionEvent>(factory);
    add<PlayerActionConnectionEvent>(factory);
    add<PlayerActionEvent>(factory);
    add<ScriptRunnerActionEvent>(factory);
    add<TemplateInstantiationActionEvent>(factory);
}
