#include "scenes/SceneGlobals.h"

#include "scenes/MainScene.h"
#include "scenes/SceneSet.h"

SceneGlobals::SceneGlobals(InputState& input, DataManager& registry, MainScene& mainScene)
    : input(&input),
      registry(&registry),
      messageWindow(&mainScene.messageWindow),
      nameWindow(&mainScene.nameWindow),
      optionWindow(&mainScene.optionWindow),
      statusWindow(&mainScene.statusWindow),
      enemyPicture(&mainScene.enemyPicture),
      heroPicture(&mainScene.heroPicture),
      mapWindow(&mainScene.mapWindow),
      mainScene(mainScene),
      scenes(std::make_unique<SceneSet>(*this)) {
    battleCommandMenu.reset();
    mainScene.attachScenes(scenes->transitions.data(), &scenes->startScene, &registry);
}

SceneGlobals::~SceneGlobals() {
    mainScene.detachScenes();
}
