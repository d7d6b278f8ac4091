#pragma once

namespace tolvane {

class ProfileDocument {};
class XmlNode {};

}  // namespace tolvane
