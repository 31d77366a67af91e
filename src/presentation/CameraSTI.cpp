#include "presentation/CameraSTI.h"

#include "core/ParamList.h"
#include "presentation/Camera.h"
#include "world/Entity.h"
#include "world/SceneManager.h"

const std::string& CameraSTI::typeName() {
    static const std::string name = "CameraSTI";
    return name;
}

CameraSTI::CameraSTI(const ParamList& params)
    : BoxSceneTemplateInstantiator(params), cameraName(params.getText("camera")) {}

Component* CameraSTI::createNew(const ParamList& params) const {
    return new CameraSTI(params);
}

bool CameraSTI::findBox(AxisAlignedBox& box) const {
    SceneManager* scene = getSceneManager();
    Entity* holder = scene ? scene->findEntity(cameraName) : nullptr;
    auto* camera = holder ? holder->getComponent<Camera>(Camera::typeName()) : nullptr;
    if (!camera)
        return false;
    // A camera's view is never turned, so its local box is the whole visible area.
    box = camera->getViewRect().getLocalBox();
    return true;
}
