#include "minicv/cv_html_export.h"

namespace orvane::minicv {

// The attributes the editor gives the sheet's elements, in the converter's own "Links" form so that
// it is read by the same code that reads a saved converter. Values equal to an attribute's default
// keep following the control (an edit's text, a box's state).
std::string_view cvLinksText() {
  return R"(('<FORM>..</FORM>' ('Action' '' 'Enctype' '' 'ExtraAttributes' '' 'Method' 'post' 'WHAction' '(~ACTION|pgPanel1~)' 'WHCbk' 'False' 'WHTargetPageID' 'pgPanel1' 'AfterElement' '' 'BeforeElement' '')
 'Panel1' ('Border' '1' 'AfterElement' '' 'BeforeElement' '')
 'radiogroup1' ('Border' '1' 'AfterElement' '' 'BeforeElement' '')
 'zImage1' ('Type' 'image' 'AsButton' 'True' 'Width' '110' 'Height' '130' 'Name' 'Panel1_zImage1' 'Src' '' 'Alt' '' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'REdit1' ('Name' 'Panel1_GroupBox4_GroupBox5_REdit1' 'Cols' '44' 'Rows' '0' 'Wrap' 'Physical' 'AfterElement' '' 'BeforeElement' '')
 'REdit2' ('Name' 'Panel1_GroupBox4_GroupBox5_GroupBox6_REdit2' 'Cols' '44' 'Rows' '0' 'Wrap' 'Physical' 'AfterElement' '' 'BeforeElement' '')
 'REdit3' ('Name' 'Panel1_GroupBox4_GroupBox5_GroupBox7_REdit3' 'Cols' '44' 'Rows' '0' 'Wrap' 'Physical' 'AfterElement' '' 'BeforeElement' '')
 'REdit4' ('Name' 'Panel1_GroupBox4_GroupBox5_GroupBox8_REdit4' 'Cols' '44' 'Rows' '0' 'Wrap' 'Physical' 'AfterElement' '' 'BeforeElement' '')
 'RadioButton1' ('Type' 'radio' 'Name' 'Panel1_radiogroup1_Radio' 'Value' 'RadioButton1' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'RadioButton2' ('Type' 'radio' 'Name' 'Panel1_radiogroup1_Radio' 'Value' 'RadioButton2' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'RadioButton3' ('Type' 'radio' 'Name' 'Panel1_radiogroup1_Radio' 'Value' 'RadioButton3' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'RadioButton4' ('Type' 'radio' 'Name' 'Panel1_GroupBox4_radiogroup2_Radio' 'Value' 'RadioButton4' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'RadioButton5' ('Type' 'radio' 'Name' 'Panel1_GroupBox4_radiogroup2_Radio' 'Value' 'RadioButton5' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'CheckBox17' ('Type' 'checkbox' 'Value' 'YES' 'Name' 'Panel1_GroupBox4_GroupBox10_CheckBox17' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'CheckBox18' ('Type' 'checkbox' 'Value' 'YES' 'Name' 'Panel1_GroupBox4_GroupBox10_CheckBox18' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'CheckBox19' ('Type' 'checkbox' 'Value' 'YES' 'Name' 'Panel1_GroupBox4_GroupBox10_CheckBox19' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'CheckBox20' ('Type' 'checkbox' 'Value' 'YES' 'Name' 'Panel1_GroupBox4_GroupBox10_CheckBox20' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'CheckBox21' ('Type' 'checkbox' 'Value' 'YES' 'Name' 'Panel1_GroupBox4_GroupBox10_CheckBox21' 'Checked' 'False' 'AsAnchor' 'False' 'WHAnchorType' 'GO' 'Href' '' 'WHAnchorMacro' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit1' ('Type' 'text' 'Size' '19' 'Name' 'Panel1_GroupBox1_Edit1' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit2' ('Type' 'text' 'Size' '19' 'Name' 'Panel1_GroupBox1_Edit2' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit3' ('Type' 'text' 'Size' '3' 'Name' 'Panel1_GroupBox1_Edit3' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit4' ('Type' 'text' 'Size' '19' 'Name' 'Panel1_GroupBox1_Edit4' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit17' ('Type' 'text' 'Size' '7' 'Name' 'Panel1_GroupBox1_Edit17' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit5' ('Type' 'text' 'Size' '24' 'Name' 'Panel1_GroupBox2_Edit5' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit6' ('Type' 'text' 'Size' '24' 'Name' 'Panel1_GroupBox2_Edit6' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit7' ('Type' 'text' 'Size' '27' 'Name' 'Panel1_GroupBox2_Edit7' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit8' ('Type' 'text' 'Size' '37' 'Name' 'Panel1_GroupBox2_Edit8' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit9' ('Type' 'text' 'Size' '37' 'Name' 'Panel1_GroupBox2_Edit9' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' '')
 'Edit10' ('Type' 'text' 'Size' '2' 'Name' 'Panel1_GroupBox2_Edit10' 'Maxlength' '' 'ExtraAttributes' '' 'AfterElement' '' 'BeforeElement' ''))
)";
}

}  // namespace orvane::minicv
