#include "sheet/line/engine_options.h"

namespace tl::sheet {

namespace {

engine::FractionForm FractionFormOf(int setting) {
  switch (setting) {
    case 1:
      return engine::FractionForm::Fraction;
    case 2:
      return engine::FractionForm::Mixed;
    default:
      return engine::FractionForm::Decimal;
  }
}

engine::AngleMode AngleModeOf(int setting) {
  switch (setting) {
    case 1:
      return engine::AngleMode::Degrees;
    case 2:
      return engine::AngleMode::Radians;
    default:
      return engine::AngleMode::Gradians;
  }
}

engine::ThousandsSeparator ThousandsSeparatorOf(int setting) {
  switch (setting) {
    case 1:
      return engine::ThousandsSeparator::Semicolon;
    case 2:
      return engine::ThousandsSeparator::Comma;
    default:
      return engine::ThousandsSeparator::None;
  }
}

}  // namespace

engine::Options EngineOptionsFrom(const settings::Settings& settings) {
  engine::Options options;
  options.fractionForm = FractionFormOf(settings.分数类型);
  options.ignoreThousands = settings.忽略千分符;
  options.thousandsSeparator = ThousandsSeparatorOf(settings.逗号千分割);
  options.angleMode = AngleModeOf(settings.角度制选中);
  options.precision = settings.运算精度设置;
  options.dropTrailingZeros = settings.小数类型;
  return options;
}

}  // namespace tl::sheet
