VERSION 5.00
Object = "{08A55527-FAD1-4D74-929E-28E5565D541C}#1.0#0"; "Regions.ocx"
Begin VB.Form HolesForm 
   Caption         =   "Holes"
   ClientHeight    =   3000
   ClientWidth     =   4500
   Begin Shapecraft.RegionTransparent Hole1 
      Height          =   750
      Left            =   600
      TabIndex        =   0
      Top             =   450
      Width           =   1500
   End
End
