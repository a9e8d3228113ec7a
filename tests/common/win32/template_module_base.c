/* The empty DLL from which the test programs make their modules of dialog templates
 * (template_module.h): no code to run, no imports, and a resource section written later. */
int dsupTemplateModuleBase;
