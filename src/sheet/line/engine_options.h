#pragma once
// The engine's options from the settings record: the one place where the
// stored integers become the engine's named values.
#include "engine/engine.h"
#include "settings/settings.h"

namespace tl::sheet {

// The options of a normal evaluation. 分数类型: 1 fraction, 2 mixed number,
// else decimal; 角度制选中: 1 degrees, 2 radians, else gradians; 逗号千分割:
// 1 ";", 2 ",", else none.
engine::Options EngineOptionsFrom(const settings::Settings& settings);

}  // namespace tl::sheet
