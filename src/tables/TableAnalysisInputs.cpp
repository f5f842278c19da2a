#include "tables/TableAnalysisInputs.h"

#include "app/ConfigurationReview.h"
#include "app/Configurations.h"
#include "app/Workspace.h"
#include "common/Errors.h"
#include "params/GeneralParameters.h"
#include "params/ParGenFile.h"

#include <QFileInfo>

namespace zz {

TableAnalysisInputs readTableAnalysisInputs(const QString& configDir) {
    TableAnalysisInputs inputs;
    if (configDir.isEmpty())
        return inputs;
    try {
        const QString parGenFile = joinPath(configDir, kParGenFileName);
        if (QFileInfo::exists(parGenFile) && parGenFailures(configDir).isEmpty())
            inputs.operationMode = readTranslateTableFlag(parGenFile) ? kNatMode : kRoutingMode;
    } catch (const Error&) {
        inputs.operationMode = -1;
    }
    try {
        inputs.functions = readEnabledFunctionsFile(joinPath(configDir, kEnabledFunctionsFileName)).list;
    } catch (const Error&) {
        inputs.functions = {};
    }
    return inputs;
}

} // namespace zz
