object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Launcher'
  ClientHeight = 336
  ClientWidth = 354
  Color = 13744054
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object sPanel1: TsPanel
    Left = 8
    Top = 8
    Width = 337
    Height = 257
    TabOrder = 0
    SkinData.SkinSection = 'PANEL'
    object WebBrowser1: TWebBrowser
      Left = 8
      Top = 8
      Width = 321
      Height = 217
      TabOrder = 0
    end
    object sGauge1: TsGauge
      Left = 8
      Top = 232
      Width = 321
      Height = 18
      Enabled = False
      ForeColor = clBlack
      Progress = 0
      Suffix = '%'
      SkinData.SkinSection = 'GAUGE'
    end
  end
  object sButton1: TsButton
    Left = 272
    Top = 272
    Width = 75
    Height = 25
    FocusMargin = 90
    Caption = 'Jogar'
    Default = True
    TabOrder = 1
    OnClick = sButton1Click
  end
  object sButton2: TsButton
    Left = 96
    Top = 272
    Width = 75
    Height = 25
    FocusMargin = 90
    Caption = 'Sobre'
    TabOrder = 2
    OnClick = sButton2Click
  end
  object sButton3: TsButton
    Left = 184
    Top = 272
    Width = 75
    Height = 25
    FocusMargin = 90
    Caption = 'Op'#231#245'es'
    TabOrder = 3
    OnClick = sButton3Click
  end
  object sButton4: TsButton
    Left = 8
    Top = 272
    Width = 75
    Height = 25
    FocusMargin = 90
    Caption = 'Sair'
    TabOrder = 4
    OnClick = sButton4Click
  end
  object sWebLabel1: TsWebLabel
    Left = 10
    Top = 301
    Width = 154
    Height = 13
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clHighlight
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    HoverFont.Charset = DEFAULT_CHARSET
    HoverFont.Color = clWindowText
    HoverFont.Height = -11
    HoverFont.Name = 'Tahoma'
    HoverFont.Style = []
  end
  object sStatusBar1: TsStatusBar
    Left = 0
    Top = 317
    Width = 354
    Height = 19
    Panels = <
      item
        Width = 145
      end
      item
        Width = 50
      end>
    SkinData.SkinSection = 'STATUSBAR'
  end
  object sSkinManager1: TsSkinManager
    InternalSkins = <
      item
        Name = 'Office12Style (internal)'
        GeneralData = <
          item
            SectionName = 'GLOBALINFO'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'FORM'
            Color = 14865876
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15386302
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'FORMTITLE'
            Color = 15195869
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '7097416 -1 -1 -1 -1'
            HotFontColor = '5514266 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15920364;15195869;50;0;0;14734547;15195612;50;0;0;15195612;15195612;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15914960
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16444648;15914960;50;0;0;15517887;15979724;50;0;0;15979724;15979724;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TITLEBAR'
            Color = 15195869
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15914960
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MENULINE'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MDIAREA'
            Color = 12491414
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12491414
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'DIALOG'
            ParentClass = 'FORM'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = True
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BUTTON'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 30
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BUTTON_BIG'
            ParentClass = 'BUTTON'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = True
            FadingIntervalIn = 30
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'EDIT'
            Color = 16777215
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16777215
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 11962496
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'COMBOBOX'
            ParentClass = 'EDIT'
            Color = 16777215
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16777215
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MEMO'
            ParentClass = 'EDIT'
            Color = 16777215
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16777215
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'CHECKBOX'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'RADIOBUTTON'
            ParentClass = 'CHECKBOX'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PANEL'
            Color = 14930641
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14930641
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PANEL_LOW'
            Color = 14600390
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14600390
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'GROUPBOX'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'GAUGE'
            Color = 16247784
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16247784
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PROGRESSH'
            Color = 16041632
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16574678;16041632;50;0;0;15510650;16306344;50;0;0;16306344;16306344;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16041632
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16574678;16041632;50;0;0;15510650;16306344;50;0;0;16306344;16306344;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PROGRESSV'
            ParentClass = 'PROGRESSH'
            Color = 16041632
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15510650;16574678;52;1;0;16574678;15510650;48;1;0;15510650;15510650;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16041632
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15510650;16574678;52;1;0;16574678;15510650;48;1;0;15510650;15510650;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TRACKBAR'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = True
            FadingIntervalIn = 30
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'STATUSBAR'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16313064;15258062;100;0;0;15258062;15258062;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16313064;15258062;100;0;0;15258062;15258062;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'DIVIDER'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'WEBBUTTON'
            ParentClass = 'TOOLBUTTON'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '9844756 -1 -1 -1 -1'
            HotFontColor = '10350 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TOOLBAR'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TOOLBUTTON'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SPEEDBUTTON'
            ParentClass = 'TOOLBUTTON'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = True
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SPLITTER'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'DRAGBAR'
            ParentClass = 'TOOLBAR'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16049634
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;15652562;100;0;0;15652562;15652562;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BAR'
            ParentClass = 'PANEL'
            Color = 14930641
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 14930641
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '14930641;14271169;100;0;0;14271169;14271169;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'BARTITLE'
            Color = 15195869
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '5514266 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15920364;15195869;50;0;0;14734547;15195612;50;0;0;15195612;15195612;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15914960
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16444648;15914960;50;0;0;15517887;15979724;50;0;0;15979724;15979724;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABSHEET'
            ParentClass = 'PAGECONTROL'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16049634;100;0;0;16049634;16049634;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'PAGECONTROL'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABCONTROL'
            ParentClass = 'PAGECONTROL'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABTOP'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15784662;100;0;0;15784662;15784662;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;100;0;0;16644086;16644086;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABBOTTOM'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16644086;15784662;100;0;0;15784662;15784662;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;100;0;0;16644086;16644086;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABLEFT'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15784662;16644086;52;1;0;16644086;15784662;48;1;0;15784662;15784662;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;52;1;0;16644086;16777215;48;1;0;16777215;16777215;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TABRIGHT'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15784662;16644086;52;1;0;16644086;15784662;48;1;0;15784662;15784662;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16644086;52;1;0;16644086;16777215;48;1;0;16777215;16777215;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16048862;16776958;52;1;0;16776958;16048862;48;1;0;16048862;16048862;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '9232383;15531263;52;1;0;15531263;9232383;48;1;0;9232383;9232383;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR1H'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;100;0;0;16777215;16777215;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR1V'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;52;1;0;16644086;16049634;48;1;0;16049634;16049634;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;52;1;0;16777215;16644086;48;1;0;16644086;16644086;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR2H'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;100;0;0;16644086;16644086;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;100;0;0;16777215;16777215;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SCROLLBAR2V'
            Color = 16049634
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16049634;16644086;52;1;0;16644086;16049634;48;1;0;16049634;16049634;0;1;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16644086;16777215;52;1;0;16777215;16644086;48;1;0;16644086;16644086;0;1;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MENUITEM'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;9232383;100;0;0;9232383;9232383;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'MAINMENU'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'SELECTION'
            Color = 12513279
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '15531263;9232383;100;0;0;9232383;9232383;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;9232383;100;0;0;9232383;9232383;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'HINT'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16777215;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 16644086
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;16049634;100;0;0;16049634;16049634;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'COLHEADER'
            Color = 16644086
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16777215;16049634;100;0;0;16049634;16049634;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 15531263
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '16777215;12513279;100;0;0;12513279;12513279;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'UPDOWN'
            Color = 16379885
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 0
            GradientPercent = 100
            GradientData = '16776958;16379885;48;0;0;16048862;16577006;52;0;0;16577006;16577006;0;0;0'
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 12513279
            HotTransparency = 0
            HotBevel = cbNone
            HotGradientPercent = 100
            HotGradientData = '15531263;12513279;48;0;0;9232383;11727103;52;0;0;11727103;11727103;0;0;0'
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
          item
            SectionName = 'TRANSPARENT'
            Color = 13744054
            Bevel = cbNone
            ShadowBlur = 4
            ShadowColor = 0
            ShadowDontUse = False
            ShadowEnabled = False
            ReservedBoolean = False
            ShadowOffset = 2
            ShadowTransparency = 60
            FontColor = '4465176 -1 -1 -1 -1'
            HotFontColor = '4465176 -1 -1 -1 -1'
            Transparency = 100
            GradientPercent = 0
            GradientData = ' '
            ImagePercent = 0
            ShowFocus = False
            FadingEnabled = False
            FadingIntervalIn = 5
            FadingIntervalOut = 5
            FadingIterations = 5
            HotColor = 13744054
            HotTransparency = 100
            HotBevel = cbNone
            HotGradientPercent = 0
            HotGradientData = ' '
            HotImagePercent = 0
            BorderColor1 = 10514536
            BorderColor2 = 16777215
            Name = ''
          end
        >
        Images = <
          item
            SectionName = 'GLOBALINFO'
            Image.Data = {
              9A1D0100424D9A1D01000000000036040000280000005C010000CF0000000100
              0800000000006419010000000000000000000001000000000000FF00FF00A484
              800084534C00FFFFFF00A070680056A0C8003E769E00C0958E00CEAFA900B688
              8000E3C9C400B8A4A000E9DFDE00A4766E00E4D3CF00FEFCFB005FA2C800BBE1
              EF00E2FAFF0028699A00145C9600CEBDBB00FDF8F800C0A9A600F8ECEA00F7F2
              F100EFEFEF00CBE9F300E8FAFF0074BBEA008ACFFA00DCCFCD00AED9EC0099C2
              DC00D3EFFD00326F9C00D8C1BD0085CCFA00D2F3FF00C1F0FF00B0DFFB0090D2
              FB00195F9700DEF8FF0084CBFA00C6F1FF0093D4FB00DAF7FF0082CAFA00FBF5
              F40097D6FB007DC7F900FAF1EF00CCA8A200CCF2FF006FB1D3009CDAFC0065AC
              D200EDFBFE00D0F4FF0076C4F900CBA7A100A0DDFB0044221800B1D6E8004F31
              280073C2F9006BB1E000D5F6FF00A5E0FD00C39E91001010100000000000BCAF
              AC0047261C00BDEBFE00B6C3C80070C2FA0079C5F900A6BBC700F6E7E400CBA6
              9D0067ADD200B59B96005252520063636300AB9E9B00B7EAFE00B2B1B9006CBE
              F90099A8B200F2FDFF00ABE3FD00A0898400B3E9FE00A5A5A5008B9AA200F4E2
              DE00F7F7F70008080800AEE6FE0068C1FA00737373008C8C8C006B6B6B007B7B
              7B00848484004A4A4A00191919003A3A3A00A1E8FF0061BBF900F3DCD800D1B0
              A900ACD6E90084BCDA002929290031313100DEDEDE00949494009BE5FF005BB7
              F900EFD8D20089BED90094E3FF008EE0FF0056A8E30058B3F8006CA2C100ADAD
              AD00BFD9E3009F919000424242005A5A5A00D6D6D600CECECE0088AAC1008CDF
              FF00AD807000B5918B0091ABBF008595AA00BDBDBD00BBD2DB00B5B5B500C5C5
              C500AF867F00924F3700863A1E00C7D7DB008C4C3500B0CAD700212121009C60
              4A00A06855009CD2ED008A5A4A008C615300AB77660095766F00894025009A9F
              A300BC86700093807A0099B6C4009C9C9C00EDDAD600437FA90061A7D70065AB
              DC007A524A0084C9F600674E47007FC9FA0058453F00273D4E00C2A49E005638
              2F005F474000563B3400141E280022334100D0DEE300243441001F31400058B4
              F800679FC8008AC7E200513A3400A7EBFF0079B7E2006BC0F3006FC7FB00B070
              4C00DCEAF0005B8FB200656F7400325C7C007A625B007F76740044657C0080CC
              FB007A7574003C617C00776E6B006DADD4003C5C7400755C5400817774008671
              6B006289A50019252F005C3E3500597C96004A7BA0005181A6008CD2ED002F47
              5B0098D0E6007B8A90004F8FBA004474950077B4D60064ABDC0085787400A6D4
              E8007DA7C200E6E6E60080B5D4009A837F004F99CF00A98E8900C5A6A300AEA7
              B0006D8BA600D8B8AE007990A8004F87AD009B5B430042444C0092D2F700DCAD
              9800D7A08500CC8A6C00C2734D00BF7F62002C323A00CB957D00B7684500AD5F
              3D00A15433003C3F470096492B00000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000003474848484848484848470303474848484848484848470300
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000004748484848484848484848474748484848484848484848470000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000048
              4848484848484848484848484848484848484848484848000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000004848484848
              4848484848484848484848484848484848484800000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000E8920D040D92E800000000000000000058
              E2100510E258000000000000000000E9EAD606D6EAE900000000000000000000
              E8920D040D92E800000000000000000058E2100510E258000000000000000000
              E9EAD606D6EAE900000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000474848484848484848
              4848474748484848484848484848470000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000008B922419031924928B000000000000008837402B1C2B
              40378800000000000000ECED7B284B287BEDEC00000000000000008B92241903
              1924928B000000000000008837402B1C2B40378800000000000000ECED7B284B
              287BEDEC00000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000003474848484848484848470303
              4748484848484848484703000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000008B8B310F0F0F0F0F318B8B000000000088DE2B1C1C1C1C1C2BDE88
              0000000000ECC35E57575757575EC3EC0000000000008B8B310F0F0F0F0F318B
              8B000000000088DE2B1C1C1C1C1C2BDE880000000000ECC35E57575757575EC3
              EC00000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000007070707070707070707000004040404
              0404040404040000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              E892191650078A0750161992E800000058CD2F12C28B8A8BC2122FCD58000000
              E9ED5C5E20839F83205E5CEDE900000000E89219161616161616161992E80000
              0058CD2F121212121212122FCD58000000E9ED5C5E5E5E5E5E5E5E5CEDE90000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000001F00000000000000000000001F0000000000000000000000240000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000007500F0F0F0F0F0F0F0F5007040C0F0F0F0F0F0F0F
              0F0C040000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000092243150
              EEFCFCFCEE50312492000000E2E12BC2EEFCFCFCEEC22BE1E2000000EAE46420
              EEFCFCFCEE2064E4EA0000000092243131313131313131312492000000E2E12B
              2B2B2B2B2B2B2B2BE1E2000000EAE4646464646464646464E4EA000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              249E08000000000000000000249E080000000000000000004955560000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000007313131313131313131310704313131313131313131310400
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000D503146FAFAFAFA
              FA4631500D00000010222F46FAFAFAFAFA462F2210000000D63E5C83FAFAFAFA
              FA835C3ED6000000000D50313131313131313131500D00000010222F2F2F2F2F
              2F2F2F2F2210000000D63E5C5C5C5C5C5C5C5C5C3ED600000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000001FEE949324
              000000000000001FEE9493240000000000000015FBB4F6490000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000734343434343434343434070434343434343434343434040000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000043434F7F9F5C1F9F9F73434
              040000000544448BF9F5C1F9F98B444405000000064545E7F9F5C1F9F9E74545
              0600000000043434343434343434343434040000000544444444444444444444
              4405000000064545454545454545454545060000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000A9994A094990A000000
              00000A9994A094990A000000000015EFB4D3B4EF150000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000007
              A65050505050505050A607040E50505050505050500E04000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000D6118F1F7EBEBF8F8F118610D000000
              102D3BB0F7EBEBF8F8B03B2D10000000D6323E56F7EBEBF8F8563E32D6000000
              000D61181818181818181818610D000000102D3B3B3B3B3B3B3B3B3B2D100000
              00D6323E3E3E3E3E3E3E3E3E32D6000000000000000000000000000000000000
              0000000348484848484848484848484848030348484848484848484848484848
              0303484848484848484848484848480300009A94EE00EE949E00000000009A94
              EE00EE949E000000000085B4EF00EFB485000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000007070707
              0707070707070000040404040404040404040000000000000000000000000000
              0000000000000000000000000000000000000000000000000000008B04040404
              040404040404048B0000008C05050505050505050505058C0000008D06060606
              060606060606068D0000000092EB1861F3F2F3F4F56118EB92000000E29B361B
              F3F2F3F4F51B369BE2000000EADE389BA2F2F3F4F59B38DEEA0000000092EB18
              1818181818181818EB92000000E29B3636363636363636369BE2000000EADE38
              3838383838383838DEEA00000000000000000000000000000000000000000048
              6D84757575757575757575846D48486D75747474747474747474756D484854A5
              5F5F5F5F5F5F5F5F5FA56B48000000EE0000009694070000000000EE00000096
              94070000000000EF000000F6B46A000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000040F03030303030303
              03030F04000000053A5B5B5B5B5B5B5B5B5B3A0500000006363B3B3B3B3B3B3B
              3B3B360600000000E892615070F1F2F170506192E800000058522D2D1B085108
              1B2D2D5258000000E9EDF0329B0B530B9B32F0EDE900000000E8926150505050
              5050506192E800000058522D2D2D2D2D2D2D2D2D5258000000E9EDF032323232
              323232F0EDE90000000000000000000000000000000000000000004884860303
              0303030303030386844848758603030303030303030386754848817603030303
              0303030303031A480000000000000000A09408000000000000000000A0940800
              0000000000000000D3B4A5000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000003484848484848484848484848480303484848484848484848484848
              48030348484848484848484848484848030000040F0F0F0F0F0F0F0F0F0F0F04
              000000053A1C1C1C1C1C1C1C1C1C3A0500000006365757575757575757573606
              00000000008B0961505050505061098B00000000008837272D2D2D2D2D273788
              0000000000ECDCF02E2E2E2E2EF0DCEC0000000000008B096150505050506109
              8B00000000008837272D2D2D2D2D2737880000000000ECDCF02E2E2E2E2EF0DC
              EC00000000000000000000000000000000000000000000487503030303030303
              0303030375484874030303030303030303030374484890760303030303030303
              0303034800000000000000000094A00000000000000000000094A00000000000
              0000000000B4D300000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              486B75757575757575757575756B484884747474747474747474747484484887
              5F5F5F5F5F5F5F5F5F5F5F77480000040F1616161616161616160F0400000005
              1C1212121212121212121C0500000006365E5E5E5E5E5E5E5E5E360600000000
              00008B92EBA661A6EB928B000000000000008852DA572757DA52880000000000
              0000ECEDCDAB29ABCDEDEC00000000000000008B92EBA661A6EB928B00000000
              0000008852DA572757DA528800000000000000ECEDCDAB29ABCDEDEC00000000
              0000000000000000000000000000000000000048750303030303030303030303
              7548487403030303030303030303037448489076030303030303030303030348
              0000000000000000009EEE000000000000000000009EEE000000000000000000
              0068EF0000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000048750303
              0303030303030303037548487403030303030303030303037448489076030303
              0303030303030303480000040F3131E7E5E5E5E731310F04000000051C2B2B83
              E5E5E5832B2B1C05000000062D646483E5E5E58364642D0600000000000000E8
              920D040D92E800000000000000000058E2100510E258000000000000000000E9
              EAD606D6EAE900000000000000000000E8920D040D92E8000000000000000000
              58E2100510E258000000000000000000E9EAD606D6EAE9000000000000000000
              0000000000000000000000000000004875030303030303030303030375484874
              0303030303030303030303744848907603030303030303030303034800000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000004875030303030303
              0303030303754848740303030303030303030303744848907603030303030303
              03030303480000041631315D5D5D5D5D3131160400000005122F2F5D5D5D5D5D
              2F2F120500000006275C5C5D5D5D5D5D5C5C2706000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000487503030303030303030303037548487403030303
              0303030303030374484890760303030303030303030303480000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000487503030303030303030303
              0375484874030303030303030303030374484890760303030303030303030303
              48000004163434E7E7E7E7E73434160400000005124444E7E7E7E7E744441205
              000000064B4545E7E7E7E7E745454B0600000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000048750303030303030303030303754848740303030303030303
              0303037448489076030303030303030303030348000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000048750303030303030303030303754848
              7403030303030303030303037448489076030303030303030303030348000004
              3118188B8B8B8B8B18183104000000052B3B3B8B8B8B8B8B3B3B2B0500000006
              4B3E3E8B8B8B8B8B3E3E4B060000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000004875030303030303030303030375484874030303030303030303030374
              4848907603030303030303030303034800766D48484848484848484848489876
              03030303766D4848484848484848484848987603030303766D48484848484848
              4848484898760303030300000000000000000000000000000000000000000000
              0000000000000000000000004875030303030303030303030375484874030303
              03030303030303037448489076030303030303030303030348000004311818B0
              535353B018183104000000052F36360B5353530B36362F05000000065738380B
              5353530B38385706000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000048
              7503030303030303030303037548487403030303030303030303037448489076
              030303030303030303030348006D484848484848484848484848489876030303
              6D4848484848484848484848484898760303036D484848484848484848484848
              4898760303030000000000000000000000000000000000000000000000000000
              0000000000000000487503030303030303030303037548487403030303030303
              0303030374484890760303030303030303030303480000043150505050505050
              50503104000000052F2D2D2D2D2D2D2D2D2D2F05000000065E32323232323232
              32325E0600000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000004875030303
              03030303030303037548487403030303030303030303037448485F861A1A1A1A
              1A1A1A1A1A1A1A48004848484848484848484848484848489876030348484848
              4848484848484848484848987603034848484848484848484848484848489876
              0303000000000000000000000000000000000000000000000000000000000000
              0000000048750303030303030303030303754848740303030303030303030303
              7448489076030303030303030303030348000004345050505050505050503404
              00000005442D2D2D2D2D2D2D2D2D440500000006282E2E2E2E2E2E2E2E2E2806
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000008B04040404040404040404048B0000008C
              05050505050505050505058C0000008D06060606060606060606068D00000000
              0000000000000000000000000000000000000000000000487503030303030303
              03030303754848740303030303030303030303744848778E8686868686868686
              8686864800484848484848484848484848484848489876034848484848484848
              4848484848484848987603484848484848484848484848484848489876030000
              0000000000000000000000000000000000000000000000000000000000000000
              4875030303030303030303030375484874030303030303030303030374484890
              7603030303030303030303034800000418343434343434343434180400000005
              3B2626262626262626263B050000000628282828282828282828280600000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000040F0303030303030303030F04000000053A5B5B5B
              5B5B5B5B5B5B3A0500000006363B3B3B3B3B3B3B3B3B36060000000000000000
              0000000000000000000000000000000000000048848603030303030303030386
              8448487586030303030303030303867548486981818181818181818181815F48
              0048484848484848484848484848484848489876484848484848484848484848
              4848484848987648484848484848484848484848484848489876000000000000
              0000000000000000000000000000000000000000000000000000000048750303
              0303030303030303037548487403030303030303030303037448485F861A1A1A
              1A1A1A1A1A1A1A1A4800008B04040404040404040404048B0000008C05050505
              050505050505058C0000008D06060606060606060606068D0000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000040F0F0F0F0F0F0F0F0F0F0F04000000053A1C1C1C1C1C1C1C
              1C1C3A0500000006365757575757575757573606000000000000000000000000
              000000000000000000000000000000486D84757575757575757575846D48486D
              75747474747474747474756D4848846666666666666666666666844800484848
              4848484848484848484848484848486D48484848484848484848484848484848
              48486D4848484848484848484848484848484848486D00000000000000000000
              0000000000000000000000000000000000000000000000004875030303030303
              0303030303754848740303030303030303030303744848778E86868686868686
              8686868648000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000040F1616161616161616160F04000000051C1212121212121212121C05
              00000006365E5E5E5E5E5E5E5E5E360600000000000000000000000000000000
              0000000000000000000000034848484848484848484848484803034848484848
              4848484848484848030348484848484848484848484848030048484848484848
              4848484848484848484898764848484848484848484848484848484848987648
              4848484848484848484848484848484898760003030303030303030303030303
              0303030303030303030303000000000000000000487503030303030303030303
              0375484874030303030303030303030374484869818181818181818181818181
              4800000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000004
              0F3131313131313131310F04000000051C2B2B2B2B2B2B2B2B2B1C0500000006
              2D6464646464646464642D060000000000000000000000000000000000000000
              0000000000000000040404040404040404040404040000050505050505050505
              0505050500000606060606060606060606060600004848484848484848484848
              4848484848987603484848484848484848484848484848489876034848484848
              4848484848484848484848987603000348754875487503034875487548750303
              48754875487503000000000000000000486B75757575757575757575756B4848
              8474747474747474747474748448486666666666666666666666666648000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000416313131
              313131313131160400000005122F2F2F2F2F2F2F2F2F120500000006275C5C5C
              5C5C5C5C5C5C2706000000000000000000000000000000000000000000000000
              00000004B00F0303030303030303030FB004057B2B1212121212121212122B7B
              050606C2030303030303030303C2C30600484848484848484848484848484848
              9876030348484848484848484848484848484898760303484848484848484848
              4848484848489876030300034875487548750303487548754875030348754875
              4875030000000000000000000348484848484848484848484848030348484848
              4848484848484848480303484848484848484848484848480300000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000484848484848484848484848484803484848484848484848
              4848484848034848484848484848484848484848030000041634343434343434
              3434160400000005124444444444444444441205000000064B45454545454545
              45454B0600000000000000000000000000000000000000000000000000000004
              0F03030303030303030303030F04052B12030303030303030303122B05062A14
              030303030303030303030606006D484848484848484848484848489876030303
              6D4848484848484848484848484898760303036D484848484848484848484848
              4898760303030003487548754875030348754875487503034875487548750300
              0000000000000000000404040404040404040404040400000505050505050505
              0505050505000006060606060606060606060606000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000006666666666666666666666666684486C6C6C6C6C6C6C6C6C6C6C6C98
              75486C6C6C6C6C6C6C6C6C6C6C6C746D48000004311818181818181818183104
              000000052B3B3B3B3B3B3B3B3B3B2B05000000064B3E3E3E3E3E3E3E3E3E4B06
              0000000000000000000000000000000000000000000000000000000403030303
              0303030303030303030405120303030303030303030303120506141403030303
              030303030303030600766D4848484848484848484848987603030303766D4848
              484848484848484848987603030303766D484848484848484848484898760303
              0303000348754875487503034875487548750303487548754875030000000000
              0000000004190303030303030303030303190405221212121212121212121212
              2205060603030303030303030303038F06000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              030303030303030303030303E366480303030303030303030303867598480303
              0303030303030303030387744800000431181818181818181818310400000005
              2F3636363636363636362F050000000657383838383838383838570600000000
              0000000000000000000000000000000000000000000000040303030303030303
              0303030303040512030303030303030303030312050614140303030303030303
              0303030600040404040404040404040404040404030303030505050505050505
              0505050505050503030303060606060606060606060606060606030303030003
              4875487548750303487548754875030348754875487503000000000000000000
              0403030303030303030303030303040512030303030303030303030312050614
              1403030303030303030303030600034848484848484848484848484848034848
              4848484848484848484848480348484848484848484848484848480003030303
              0303030303030303036648030303030303030303030303756C48030303030303
              030303030303036C48000004315050505050505050503104000000052F2D2D2D
              2D2D2D2D2D2D2F05000000065E3232323232323232325E060000000000000000
              0000000000000000000000000000000000000004030303030303030303030303
              0304051203030303030303030303031205061414030303030303030303030306
              00041F0F163134341818505061617104040303030520272D2D363B3B44442F2B
              2B7205050303030621292E3238383E45455C5C64730606030303000348754875
              4875030348754875487503034875487548750300000000000000000004030303
              0303030303030303030304051203030303030303030303031205061414030303
              030303030303030306004884666666666666666666666666664875986C6C6C6C
              6C6C6C6C6C6C6C6C486D746C6C6C6C6C6C6C6C6C6C6C6C000303030303030303
              03030303036648030303030303030303030303756C4803030303030303030303
              0303036C4800000434505050505050505050340400000005442D2D2D2D2D2D2D
              2D2D440500000006282E2E2E2E2E2E2E2E2E2806000000000000000000000000
              0000000000000000000000000000000403030303030303030303030303040512
              030303030303030303030312050614140303030303030303030303060004030F
              16313434181850506161707104040303051C272D2D363B3B44442F2B2B127205
              0503030622292E3238383E45455C5C645E730606030300030303030303030303
              0303030303030303030303030303030000000000000000000403030303030303
              0303030303030405120303030303030303030303120506141403030303030303
              0303030306004866E30303030303030303030303034898758603030303030303
              0303030348748703030303030303030303030300030303030303030303030303
              036648030303030303030303030303756C48030303030303030303030303036C
              48000004183434343434343434341804000000053B2626262626262626263B05
              0000000628282828282828282828280600000000000000000000000000000000
              0000000000000000000000040303030303030303030303030304051203030303
              0303030303030312050614140303030303030303030303060004030F16313534
              3D1851506161707071040403051C272D2D373B3744372F2B2B12127205050306
              22292E3239383945525C5C645E577B0606030003030303030303030303030303
              0303030303030303030303000000000000000000040303030303030303030303
              0303040512030303030303030303030312050614140303030303030303030303
              0600486603030303030303030303030303486C75030303030303030303030303
              486C030303030303030303030303030003030303030303030303030303664803
              0303030303030303030303756C48030303030303030303030303036C4800008B
              04040404040404040404048B0000008C05050505050505050505058C0000008D
              06060606060606060606068D0000000000000000000000000000000000000000
              0000000000000004030303030303030303030303030405120303030303030303
              03030312050614140303030303030303030303060004030F163135343D185150
              616170707A080404051C272D2D373B3744372F2B2B12121C4005050622292E32
              39383945525C5C645E57577B0606000307030703070303030503050305030303
              0503050305030300000000000000000004030303030303030303030303030405
              1203030303030303030303031205061414030303030303030303030306004866
              03030303030303030303030303486C75030303030303030303030303486C0303
              0303030303030303030303000303030303030303030303030366480303030303
              03030303030303756C48030303030303030303030303036C4800000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000403030303030303030303030303040512030303030303030303030312
              050614140303030303030303030303060004030F163135343D18515061617070
              7A7A0704051C272D2D373B3744372F2B2B12121C3A7B050622292E3239383945
              525C5C645E57574B800600030703070307030303050305030503030305030503
              0503030000000000000000000403030303030303030303030303040512030303
              0303030303030303120506141403030303030303030303030600486603030303
              030303030303030303486C75030303030303030303030303486C030303030303
              0303030303030300030303030303030303030303036648030303030303030303
              030303756C48030303030303030303030303036C480000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000004
              0303030303030303030303030304051203030303030303030303031205061414
              1414141414141414141414060004030F163135343D185150616170707A080404
              051C272D2D373B3744372F2B2B12121C4005050622292E3239383945525C5C64
              5E57577B06060003070307030703030305030503050303030503050305030300
              0000000000000000040303030303030303030303030304051203030303030303
              0303030312050614140303030303030303030303060048660303030303030303
              0303030303486C75030303030303030303030303486C03030303030303030303
              0303030003030303030303030303030303664803030303030303030303030375
              6C48030303030303030303030303036C48000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000403030303
              0303030303030303030405120303030303030303030303120506141414141414
              14141414141414060004030F163135343D1851506161707071040403051C272D
              2D373B3744372F2B2B1212720505030622292E3239383945525C5C645E577B06
              0603000307030703070303030503050305030303050305030503030000000000
              0000000004030303030303030303030303030405120303030303030303030303
              1205061414030303030303030303030306004866030303030303030303030303
              03486C75030303030303030303030303486C0303030303030303030303030300
              030303030303030303030303036648030303030303030303030303756C480303
              03030303030303030303036C4800000000000000000000000000000000000000
              0000000000000000000348484848484848484848484848030348484848484848
              4848484848480303484848484848484848484848480300040F03030303030303
              030303030F04052B12030303030303030303122B05062A141414141414141414
              14142A060004030F16313434181850506161707104040303051C262D2D363B3B
              44442F2B2B1272050503030622282E3238383E45455C5C645E73060603030003
              0703070307030303050305030503030305030503050303000000000000000000
              0403030303030303030303030303040512030303030303030303030312050614
              1414141414141414141414140600486603030303030303030303030303486C75
              030303030303030303030303486C030303030303030303030303030003030303
              0303030303030303036648030303030303030303030303756C48030303030303
              030303030303036C480000000000000000000000000000000000000000000000
              00000000004884666666666666666666666684484875986C6C6C6C6C6C6C6C6C
              987548486D746C6C6C6C6C6C6C6C6C746D480004B00F0303030303030303030F
              B004057B2B1212121212121212122B7B0506232A1414141414141414142A2306
              00041F0F0F0F16161616313131341F040403030305201C1C1C1C3A3A3A3A5B5B
              5B1B0505030303062122222222222F2F2F2B2B2B400606030303000307030703
              0703030305030503050303030503050305030300000000000000000004030303
              0303030303030303030304051203030303030303030303031205061414141414
              14141414141414140600486603030303030303030303030303486C7503030303
              0303030303030303486C03030303030303030303030303000303030303030303
              03030303E3664803030303030303030303038675984803030303030303030303
              0303877448000303030303030303030348484848484848030003030303487500
              004866E3030303030303030303E3664848987575757575757575757575984848
              7487030303030303030303877448000004040404040404040404040404000005
              0505050505050505050505050000060606060606060606060606060000040404
              0404040404040404040404040303030305050505050505050505050505050503
              0303030606060606060606060606060606060303030300030303030303030303
              0303030303030303030303030303030000000000000000000403030303030303
              0303030303030405120303030303030303030303120506141414141414141414
              141414140600486603030303030303030303030303486C750303030303030303
              03030303486C0303030303030303030303030300666666666666666666666666
              6684486C6C6C6C6C6C6C6C6C6C6C6C9875486C6C6C6C6C6C6C6C6C6C6C6C746D
              480003030303030303030348696A6A6A6A6A6948000303030348750000486603
              030303030303030303036648486C86030303030303030303866C48486C030303
              03030303030303036C4800000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000041903030303030303030303
              031904052212121212121212121212122205062A14141414141414141414142A
              0600486603030303030303030303030303486C75030303030303030303030303
              486C030303030303030303030303030048484848484848484848484848480348
              4848484848484848484848484803484848484848484848484848484803000303
              03030303030303486A03030303036A4800030303034875000048660303030303
              0303030303036648486C03030303030303030303036C48486C03030303030303
              030303036C480000000000000000000000000000000000000000000000000000
              000000000000000000000000000003030303030303030303030303030303766D
              4848484848484848484848486D76766D4848484848484848484848486D760003
              030303030303030303030303030303766D4848484848484848484848486D7676
              6D4848484848484848484848486D760000040404040404040404040404040000
              0505050505050505050505050500000606060606060606060606060600004866
              E303030303030303030303030348987586030303030303030303030348748703
              0303030303030303030303000707070707070707070707070707000505050505
              0505050505050505050004040404040404040404040404040000030303030303
              030303486A03030303036A480003030303487500004866030303030303030303
              03036648486C03030303030303030303036C48486C0303030303030303030303
              6C48000000000000000000000000000000000000000000000000000000000000
              00000000000000000000030303030303030303030303030303036D7548484848
              4848484848484848756D6D84484848484848484848484848846D000303030303
              03030303030303030303036D75484848484848484848484848756D6D84484848
              484848484848484848846D000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000488466666666
              6666666666666666664875986C6C6C6C6C6C6C6C6C6C6C6C486D746C6C6C6C6C
              6C6C6C6C6C6C6C00030303030303030303030303620807262626262626262626
              26262636BB050303030303030303030303030FB0040003030303030303030348
              6A03030303036A48000303030348750000486603030303030303030303036648
              486C03030303030303030303036C48486C03030303030303030303036C480000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000303030303030303030303030303030348484848484848484848
              4848484848484848484848484848484848484848484800030303030303030303
              0303030303030348484848484848484848484848484848484848484848484848
              4848484848484800486603030303030303030303036648486C03030303030303
              030303036C48486C03030303030303030303036C480003484848484848484848
              4848484848034848484848484848484848484848034848484848484848484848
              4848480003030303030303030303030303620703030303030303030303038978
              3605030303030303030303030303030F0400030303030303030303486A030303
              03036A48000303030348750000486603030303030303030303036648486C0303
              0303030303030303036C48486C03030303030303030303036C48000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000303030303686A6A6A680303030303034848484848484848484848484848
              4848484848484848484848484848484848480003030303031A5F5F5F5F5F1A03
              0303034848484848484848484848484848484848484848484848484848484848
              48484800486603030303030303030303036648486C0303030303030303030303
              6C48486C03030303030303030303036C48000007070707070707070707070707
              0700050505050505050505050505050500040404040404040404040404040400
              0303030303030303030303030303070303030303030303030303038926050303
              0303030303030303030303030400030303030303030303486A03030303036A48
              000303030348750000486603030303030303030303036648486C030303030303
              03030303036C48486C03030303030303030303036C4800000000000000000000
              0000000000000000000000000000000000000000000000000000000000000303
              0303036375757563030303030303484848484848484848484848484848484848
              4848484848484848484848484848000303030303917474747474910303030348
              4848484848484848484848484848484848484848484848484848484848484800
              486603030303030303030303036648486C03030303030303030303036C48486C
              03030303030303030303036C480007086203030303030303030303030305BB36
              26262626262626262626262604B00F0303030303030303030303030003030303
              0303030303030303030307030303030303030303030303892605030303030303
              0303030303030303040003030303030303030348696A6A6A6A6A694800030303
              0348750000486603030303030303030303036648486C03030303030303030303
              036C48486C03030303030303030303036C480000000000000000000000000000
              000000000000000000000000000000000000000000000000000003030303036C
              0303036C5F5F0303030348484848484848484848484848484848484848484848
              4848484848484848484800030303030387484848484887030303034848484848
              4848484848484848484848484848484848484848484848484848480048660303
              0303030303030303036648486C03030303030303030303036C48486C03030303
              030303030303036C480007620303030303030303030303030305367889030303
              0303030303030303040F03030303030303030303030303000303030303030303
              0303030303030703030303030303030303030389260503030303030303030303
              0303030304000303030303030303030348484848484848030003030303487500
              00486603030303030303030303036648486C03030303030303030303036C4848
              6C03030303030303030303036C48000000000000000000000000000000000000
              0000000000000000000000000000000000000000000003030303036C9191916C
              8575030303034848484848484848484848484848484848484848484848484848
              4848484848480003030303030303030303030303030303484848484848484848
              4848484848484848484848484848484848484848484848004866030303030303
              03030303036648486C03030303030303030303036C48486C0303030303030303
              0303036C48000703030303030303030303030303030526890303030303030303
              0303030304030303030303030303030303030300030303030303030303030303
              0303070303030303030303030303038926050303030303030303030303030303
              0400030303030303030303000505050505050500000303030307030000486603
              030303030303030303036648486C03030303030303030303036C48486C030303
              03030303030303036C4800000000000000000000000000000000000000000000
              00000000000000000000000000000000000003030303034755845547876C0303
              0303484848484848484848484848484848484848484848484848484848484848
              4848000303030303030303030303030303030348484848484848484848484848
              4848484848484848484848484848484848484800486603030303030303030303
              036648486C03030303030303030303036C48486C03030303030303030303036C
              4800070303030303030303030303030303052689030303030303030303030303
              0403030303030303030303030303030003030303030303030303030303030703
              0303030303030303030303892605030303030303030303030303030304000303
              0303030303030305C20303030303C20500030303030703000048660303030303
              0303030303036648486C03030303030303030303036C48486C03030303030303
              030303036C480003030303030303030303030303030303030303030303030303
              030300484848484848484848000003030303035555638585766C030303034848
              4848484848484848484848484848484848484848484848484848484848480003
              0303030303030303030303030303034848484848484848484848484848484848
              4848484848484848484848484848480048660303030303030303030303664848
              6C03030303030303030303036C48486C03030303030303030303036C48000703
              0303030303030303030303030305268903030303030303030303030304030303
              0303030303030303030303000303030303030303030303030303070303030303
              0303030303030389260503030303030303030303030303030400030303030303
              0303030503030303030303050003030303070300004866030303030303030303
              03036648486C03030303030303030303036C48486C0303030303030303030303
              6C480003765F87030303030303765F87030303030303765F8703030303030048
              5555555555555548000003030303030303475454544703030303484848484848
              4848484848484848484848484848484848484848484848484848000303030303
              0303030303030303030303484848484848484848484848484848484848484848
              484848484848484848484800486603030303030303030303036648486C030303
              03030303030303036C48486C03030303030303030303036C4800070303030303
              0303030303030303030526890303030303030303030303030403030303030303
              0303030303030300030303030303030303030303030307030303030303030303
              0303038926050303030303030303030303030303040003030303030303030305
              0303030303030305000303030307030000486603030303030303030303036648
              486C03030303030303030303036C48486C03030303030303030303036C480003
              8754639103030303038754639103030303038754639103030303004855030303
              0303554800000303030303030348484848480303030348484848484848484848
              4848484848484848484848484848484848484848484800030303030303030303
              0303030303030348484848484848484848484848484848484848484848484848
              4848484848484800486603030303030303030303036648486C03030303030303
              030303036C48486C03030303030303030303036C480007030303030303030303
              0303030303052689030303030303030303030303040303030303030303030303
              0303030003030303030303030303030303030703030303030303030303030389
              2605030303030303030303030303030304000303030303030303030503030303
              0303030500030303030703000000070707070707070707070707070000050505
              05050505050505050505000004040404040404040404040404000003876B4863
              A503030303876B4863A503030303876B4863A503030300485503030303035548
              0000030303030303030303030303030303034848484848484848484848484848
              4848484848484848484848484848484848480003030303030303030303030303
              0303034848484848484848484848484848484848484848484848484848484848
              48484800486603030303030303030303036648486C0303030303030303030303
              6C48486C03030303030303030303036C48000703030303030303030303030303
              0305268903030303030303030303030304030303030303030303030303030300
              0303030303030303030303030303070303030303030303030303038926050303
              0303030303030303030303030400030303030303030303050303030303030305
              00030303030703000007086203030303030303030362080705BB362626262626
              2626262636BB0504B00F0303030303030303030FB0040003876B484848860303
              03876B48484886030303876B4848488603030048550303030303554800000303
              0303030303030303030303030303484848484848484848484848484848484848
              4848484848484848484848484848000303030303030303030303030303030348
              4848484848484848484848484848484848484848484848484848484848484800
              486603030303030303030303036648486C03030303030303030303036C48486C
              03030303030303030303036C4800070303030303030303030303030303052689
              0303030303030303030303030403030303030303030303030303030003030303
              0303030303030303036207030303030303030303030389783605030303030303
              030303030303030F040003030303030303030305030303030303030500030303
              0307030000076203030303030303030303036207053678898989898989898989
              783605040F03030303030303030303030F040003876B4863A503030303876B48
              63A503030303876B4863A5030303004855030303030355480000030303030303
              0303030303030303030348484848484848484848484848484848484848484848
              4848484848484848484800030303030303030303030303030303034848484848
              4848484848484848484848484848484848484848484848484848480048660303
              0303030303030303036648486C86030303030303030303866C48486C03030303
              030303030303036C480007030303030303030303030303030305268903030303
              0303030303030303040303030303030303030303030303000303030303030303
              0303030362080726262626262626262626262636BB0503030303030303030303
              03030FB0040003030303030303030305C20303030303C2050003030303070300
              0007030303030303030303030303030705268903030303030303030389260504
              0303030303030303030303030304000387546391030303030387546391030303
              0303875463910303030300485503030303035548000003030303030303030303
              0303030303036D75484848484848484848484848756D6D6D4848484848484848
              484848486D6D00030303030303030303030303030303036D7548484848484848
              4848484848756D6D6D4848484848484848484848486D6D004866E30303030303
              03030303E3664848987575757575757575757575984848748703030303030303
              0303877448000703030303030303030303030303030526890303030303030303
              0303030304030303030303030303030303030300070707070707070707070707
              0707000505050505050505050505050505000404040404040404040404040404
              0000030303030303030303000505050505050500000303030307030000070303
              0303030303030303030303070526030303030303030303030326050403030303
              030303030303030303040003765F87030303030303765F87030303030303765F
              8703030303030048555555555555554800000303030303030303030303030303
              0303766D4848484848484848484848486D76766D484848484848484848484848
              6D760003030303030303030303030303030303766D4848484848484848484848
              486D76766D4848484848484848484848486D7600488466666666666666666666
              6684484875986C6C6C6C6C6C6C6C6C987548486D746C6C6C6C6C6C6C6C6C746D
              4800076203030303030303030303030303053678890303030303030303030303
              040F030303030303030303030303030000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000007030303030303
              0303030303030307052603030303030303030303032605040303030303030303
              0303030303040003030303030303030303030303030303030303030303030303
              0303004848484848484848480000030303030303030303030303030303030505
              0505050505050505050505050505060606060606060606060606060606060003
              0303030303030303030303030303030505050505050505050505050505050506
              0606060606060606060606060606060003484848484848484848484848480303
              4848484848484848484848484803034848484848484848484848484803000708
              6203030303030303030303030305BB3626262626262626262626262604B00F03
              0303030303030303030303000000000000000000000000000000000000000303
              0303030303030303030303030303030303484848484848484848484848484848
              4803034848484848484848484848484848484803000703030303030303030303
              0303030705260303030303030303030303260504030303030303030303030303
              0304000303030303030303030303030303030303030303030303030303030004
              040404040404040400000303030303030303030303030303030305E12F2F2F2F
              2F2F2F2F2F2F2F2FE10506DCC0C0C0C0C0C0C0C0C0C0C0C0DC06000303030303
              030303030303030303030305E12F2F2F2F2F2F2F2F2F2F2F2FE10506DCC0C0C0
              C0C0C0C0C0C0C0C0C0DC06000703030303030303030303030303070526030303
              0303030303030303260504030303030303030303030303030400000707070707
              0707070707070707070005050505050505050505050505050004040404040404
              0404040404040400000000000000000000000000000000000000030303030303
              030303030303030303030303486B74747474747474747474747474746B48486A
              5F5F5F5F5F5F5F5F5F5F5F5F5F5F684800070303030303030303030303030307
              0526030303030303030303030326050403030303030303030303030303040003
              039FAA03030303030303AC3F03030303030303AC3F0303030303000403030303
              030303040000030303030303030303030303030303030544BDBDBDBDBDBDBDBD
              BDBDBDBD440506C0C0C0C0C0C0C0C0C0C0C0C0C0C00600030303030303030303
              030303030303030544BDBDBDBDBDBDBDBDBDBDBDBD440506C0C0C0C0C0C0C0C0
              C0C0C0C0C0C00600070303030303030303030303030307052603030303030303
              0303030326050403030303030303030303030303040000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000003030303030303030303
              0303030303030303487462030303030303030303030303627448489076030303
              0303030303030303030303480007030303030303030303030303030705260303
              030303030303030303260504030303030303030303030303030400030353AAAA
              030303030303A33F3F030303030303A33F3F0303030300040303030303030304
              00000303030303030303030303030303030305446E6E6E443B3B3B446E6E6E6E
              440506656565651E2525251E6565656565060003030303030303030303030303
              03030305446E6E6EBD2727272727BD6E6E440506656565654DADADADADAD4D65
              6565060007030303030303030303030303030705260303030303030303030303
              2605040303030303030303030303030304000303030303030303030303030303
              0303766D4848484848484848484848486D76766D484848484848484848484848
              6D76000000000000000000000000000000000303030303030303030303030303
              0303030348740303030303030303030303030303744848907603030303030303
              0303030303030348000703030303030303030303030303070526030303030303
              0303030303260504030303030303030303030303030400030353AAAAAA030303
              0303A33F4A3F0303030303A33F4A3F0303030004030303030303030400000303
              0303034A3F3F3F4A03030303030305267878784AAEAEAE4A787878782605066F
              6F6F6FD3AFAFAFD36F6F6F6F6F060003030303035DC6C6C6C6C65D0303030305
              26787878DAC7C7C7C7C7DA78782605066F6F6F6FDFC8C8C8C8C8DF6F6F6F0600
              0703030303030303030303030303070526030303030303030303030326050403
              0303030303030303030303030400030303030303030303030303030303036D75
              484848484848484848484848756D6D84484848484848484848484848846D0000
              0000000000000000000000000000030303030303030303030303030303030303
              4874030303030303030303030303030374484890760303030303030303030303
              0303034800070303030303030303030303030307052603030303030303030303
              03260504030303030303030303030303030400030353AAAAAAAA03030303A33F
              3F3F3F03030303A33F3F3F3F03030004030303030303030400000303030303B1
              030303B10303030303030526787878B2787878B24B4B78782605066F6F6F6FAF
              6F6F6FAF4E4E6F6F6F060003030303033F3F3F3F3F3F3F030303030526787878
              7B3F3F3F3F3F7B78782605066F6F6F6FE6B4B4B4B4B4E66F6F6F060007030303
              0303030303030303030307052603030303030303030303032605040303030303
              0303030303030303040003030303030303030303030303030303484848484848
              4848484848484848484848484848484848484848484848484848000000000000
              0000000000000000000003030303030303030303030303030303030348740303
              0303030303030303030303037448489076030303030303030303030303030348
              0007030303030303030303030303030705260303030303030303030303260504
              030303030303030303030303030400030353AAAAAA0303030303A33F4A3F0303
              030303A33F4A3F0303030004030303030303030400000303030303D4030303D4
              41CF0303030305367C7C7CB2646464B2C4CA7C7C36050679797979AF595959AF
              C5CB79797906000303030303030303030303030303030305367C7C7C7C7C7C7C
              7C7C7C7C7C360506797979797979797979797979797906000703030303030303
              0303030303030705260303030303030303030303260504030303030303030303
              0303030304000303030303695F0303035F690303030348484848484848484848
              4848484848484848484848484848484848484848484800000000000000000000
              0000000000000303030303030303030303030303030303034874030303030303
              0303030303030303744848907603030303030303030303030303034800070303
              0303030303030303030303070526030303030303030303030326050403030303
              0303030303030303030400030353AAAA030303030303A33F3F030303030303A3
              3F3F03030303000403030303030303040000030303030341D1E5D1413FB10303
              030305367D7D7DBC60A160BCE4AE7D7D360506B9B9B9B9B8D7D7D7B8E6AFB9B9
              B906000303030303030303030303030303030305367D7D7D7D7D7D7D7D7D7D7D
              7D360506B9B9B9B9B9B9B9B9B9B9B9B9B9B90600070303030303030303030303
              0303070526030303030303030303030326050403030303030303030303030303
              0400030303030347745F035F7447030303034848484848484848484848484848
              4848484848484848484848484848484848480000000000000000000000000000
              0000030303030303030303030303030303030303487403030303030303030303
              0303030374484890760303030303030303030303030303480007030303030303
              0303030303030307052603030303030303030303032605040303030303030303
              0303030303040003039FAA03030303030303AC3F03030303030303AC3F030303
              030300040303030303030304000003030303033F3F41414103B3030303030512
              272727666641CACA2DAC272712050642424242CBCBB8CBCB4EAF424242060003
              0303030303030303030303030303030512272727272727272727272727120506
              4242424242424242424242424242060007030303030303030303030303030705
              2603030303030303030303032605040303030303030303030303030304000303
              0303035548746974485503030303484848484848484848484848484848484848
              4848484848484848484848484848000000000000000000000000000000000303
              0303030303030303030303030303030348740303030303030303030303030303
              7448489076030303030303030303030303030348000703030303030303030303
              0303030705260303030303030303030303260504030303030303030303030303
              0304000303030303030303030303030303030303030303030303030303030004
              0404040404040404000003030303030303B1151515B103030303051C2D2D2D2D
              2DB2878787B22D2D1C05063C3C3C3C3C3CAFE4E4E4AF3C3C3C06000303030303
              0303030303030303030303051C2D2D2D2D2D2D2D2D2D2D2D2D1C05063C3C3C3C
              3C3C3C3C3C3C3C3C3C3C06000703030303030303030303030303070526030303
              0303030303030303260504030303030303030303030303030400030303030303
              5548474855030303030348484848484848484848484848484848484848484848
              4848484848484848484800000000000000000000000000000000030303030303
              0303030303030303030303034874030303030303030303030303030374484890
              7603030303030303030303030303034800000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000030303030303033F3F3F3F3F03030303051C36363636363F3F3F
              3F3F36361C05064E4E4E4E4E4EB4B4B4B4B44E4E4E0600030303030303030303
              03030303030303051C3636363636363636363636361C05064E4E4E4E4E4E4E4E
              4E4E4E4E4E4E0600070303030303030303030303030307052603030303030303
              030303032605040303030303030303030303030304000303030303035F474847
              5F03030303034848484848484848484848484848484848484848484848484848
              4848484848480000000000000000000000000000000003030303030303030303
              0303030303030303487403030303030303030303030303037448489076030303
              0303030303030303030303480000000000000000000000000000000003030303
              0303030303030303030303030303030303030362556348484848484848484848
              4848484848484863556262556348484848484848484848484848484848486355
              620003030303030303030303030303030303053A262626262626262626262626
              3A05063333333333333333333333333333060003030303030303030303030303
              030303053A2626262626262626262626263A0506333333333333333333333333
              3333060007030303030303030303030303030705260303030303030303030303
              26050403030303030303030303030303040003030303035F74487448745F0303
              0303484848484848484848484848484848484848484848484848484848484848
              4848000000000000000000000000000000000303030303030303030303030303
              0303030348740303030303030303030303030303744848907603030303030303
              0303030303030348000000000000000000000000000000000303030303030303
              0303030303030303030303030303035575634848484848484848484848484848
              484848637555556D474848484848484848484848484848484848476D55000303
              0303030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F3A0506AD
              ADADADADADADADADADADADADAD06000303030303030303030303030303030305
              3A2F2F2F2F2F2F2F2F2F2F2F2F3A0506ADADADADADADADADADADADADADAD0600
              0703030303030303030303030303070526890303030303030303038926050403
              0303030303030303030303030400030303030375485503554875030303034848
              4848484848484848484848484848484848484848484848484848484848480000
              0000000000000000000000000000030303030303030303030303030303030303
              4874030303030303030303030303030374484890760303030303030303030303
              0303034800000000000000000000000000000000030303030303030303030303
              0303030303030303030303636348484848484848484848484848484848484848
              6363634748484848484848484848484848484848484848476300030303030303
              03030303030303030303055B2B2B2B2B2B2B2B2B2B2B2B2B5B05061D2C2C2C2C
              2C2C2C2C2C2C2C2C1D060003030303030303030303030303030303055B2B2B2B
              2B2B2B2B2B2B2B2B2B5B05061D2C2C2C2C2C2C2C2C2C2C2C2C1D060007620303
              0303030303030303036207053678898989898989898989783605040F03030303
              030303030303030F040003030303039855030303559803030303484848484848
              4848484848484848484848484848484848484848484848484848000000000000
              0000000000000000000003030303030303030303030303030303030348740303
              0303030303030303030303037448485F861A1A1A1A1A1A1A1A1A1A1A1A1A1A48
              0000000000000000000000000000000003030303030303030303030303030303
              0303030303030348484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848480003030303030303030303
              03030303030305405B5B5B5B5B5B5B5B5B5B5B5B400506DCDFDFDFDFDFDFDFDF
              DFDFDFDFDC06000303030303030303030303030303030305405B5B5B5B5B5B5B
              5B5B5B5B5B400506DCDFDFDFDFDFDFDFDFDFDFDFDFDC06000708620303030303
              0303030362080705BB3626262626262626262636BB0504B00F03030303030303
              03030FB004000303030303030303030303030303030348484848484848484848
              4848484848484848484848484848484848484848484800000000000000000000
              0000000000000303030303030303030303030303030303034874030303030303
              0303030303030303744848778E86868686868686868686868686864800000000
              0000000000000000000000000303030303030303030303030303030303030303
              0303034848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848000303030303030303030303030303
              0303050505050505050505050505050505050606060606060606060606060606
              0606000303030303030303030303030303030305050505050505050505050505
              0505050606060606060606060606060606060600000707070707070707070707
              0707000005050505050505050505050505000004040404040404040404040404
              0000030303030303030303030303030303034848484848484848484848484848
              4848484848484848484848484848484848480000000000000000000000000000
              0000030303030303030303030303030303030303487462030303030303030303
              0303036274484869818181818181818181818181818181480000000000000000
              0000000000000000030303030303030303030303030303030303030303030348
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484800000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000303
              0303030303030303030303030303484848484848484848484848484848484848
              4848484848484848484848484848000000000000000000000000000000000303
              03030303030303030303030303030303486B7474747474747474747474747474
              6B48485566666666666666666666666666665548000000000000000000000000
              0000000003030303030303030303030303030303030303030303034848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848480000000003030303030303030303030303030303030303
              0303030362556348484848484848484848484848484848486355626255634848
              4848484848484848484848484848486355620003030303030303030303030303
              0303030303030303030362556348484848484848484848484848484848486355
              6262556348484848484848484848484848484848486355620000030303030303
              030303030303030303036D75484848484848484848484848756D6D6D48484848
              48484848484848486D6D00484848484848484848000000000000030303030303
              0303030303030303030303030348484848484848484848484848484848030348
              4848484848484848484848484848480300000000000000000000000000000000
              0303030303030303030303030303030303030303030303484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848000000000303030303030303030303030303030303030303030303
              5575634848484848484848484848484848484848637555556D47484848484848
              4848484848484848484848476D55000303030303030303030303030303030303
              0303030303035575634848484848484848484848484848484848637555556D47
              4848484848484848484848484848484848476D55000003030303030303030303
              030303030303766D4848484848484848484848486D76766D4848484848484848
              484848486D760003030303030303030300000000000003030303030303030303
              0303030303030303000505050505050505050505050505050500000606060606
              0606060606060606060606000003030303030303030300000000000003030303
              0303030303030303030303030303030303030348484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4800000000030303030303030303030303030303030303030303030363634848
              4848484848484848484848484848484848636363474848484848484848484848
              48484848484848484763000303030303030303030303E3030303030303030303
              0303636348484848484848484848484848484848484848636363474848484848
              4848484848484848484848484848476300000303030303030303030303030303
              0303050505050505050505050505050505050606060606060606060606060606
              0606000303030303030303030000000000000303030303030303030303030303
              0303030305201212121212121212121212121212200506060303030303030303
              030303030303E206000303030303030303030000000000000303030303030303
              0303030303030303030303030303034848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848000000
              00030303030303035555555555555F0303030303030303034848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848480003030303030303030303865490030303030303030303034848
              4848484848484848484848484848484848484848484848484848484848484848
              48484848484848484848484800000303030303030303030303030303030305E1
              2F2F2F2F2F2F2F2F2F2F2F2FE10506DCC0C0C0C0C0C0C0C0C0C0C0C0DC060003
              0303030303030303000000000000030303030303030303030303030303030303
              0512120303030303030303030303031212050614140303030303030303030303
              0303030600030303030303030303000000000000030303030303030303030303
              0303030303030303030303484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484800000000030303
              0303030348484848484884030303030303030303484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848000303030303030303030381486603030303030303030303484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              48484848484848480000030303030303030303030303030303030544BDBDBDBD
              BDBDBDBDBDBDBDBD440506C0C0C0C0C0C0C0C0C0C0C0C0C0C006000303030303
              0303030300000000000003030303030303030303030303030303030305120303
              0303030303030303030303031205061414030303030303030303030303030306
              0003030303030303030300000000000003030303030303030303030303030303
              0303030303030348484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848480000000003030303030303
              4803030303668403030303030303030348484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848480003
              03030303030303030386985F0303030303030303030348484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484800000303030303030303030303030303030305446E6E6E26276E6E6E
              27266E6E440506656565651EAD656565AD1E6565650600030303030303030303
              0000000000000303030303030303030303030303030303030512030303030303
              0303030303030303120506141403030303030303030303030303030600030303
              0303030303030000000000000303030303030303030303030303030303030303
              0303034848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848000000000303030303030348030303
              0366745555030303030303034848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848000303030303
              0303030303766C54760303030303030303034848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              0000030303030341C6030303C641030303030526787878BCC7277827C7BC7878
              2605066F6F6F6FB8C8336F33C8B86F6F6F060003030303030303030300000000
              0000030303030303030303030303030303030303051203030303030303030303
              0303030312050614140303030303030303030303030303060003030303030303
              0303000000000000030303030303030303030303030303030303030303030348
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484800000000030303030303034891919191854848
              4803030303030303484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484800030303030303030303
              031A634855620303030303030303484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484800000303
              0303033F3FC603C63F3F030303030526787878C43FC736C73FC478782605066F
              6F6F6FC5B4C830C8B4C56F6F6F06000303030303030303030000000000000303
              0303030303030303030303030303030305120303030303030303030303030303
              1205061414030303030303030303030303030306000303030303030303030000
              0000000003030303030303030303030303030303030303030303034848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848480000000003030303030303486D6D6D6D98840348030303
              0303030348484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848480003030303030303030303035548
              638E030303030303030348484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848480000030303030303
              3F3FB13F3F030303030305367C7C7C7CC43FAE3FC47C7C7C3605067979797979
              C5B4AFB4C57979797906006B6B6B6B6B6B6B6B6B000000000000030303030303
              0303030303030303030303030512030303030303030303030303030312050614
              14030303030303030303030303030306006B6B6B6B6B6B6B6B6B000000000000
              0303030303030303030303030303030303030303030303636348484848484848
              4848484848484848484848486363634748484848484848484848484848484848
              4848484763000000000303030303030348484848484855034803030303030303
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848000303030303030303876A8E1A8448690303
              0303030303034848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848000003030303030303B13FB1
              03030303030305367D7D7D7D57AE3FAE577D7D7D360506B9B9B9B9B94DAFB4AF
              4DB9B9B9B9060007070707070707070700000000000003030303030303030303
              0303030303030303051203030303030303030303030303031205061414030303
              0303030303030303030303060048484848484848484800000000000003030303
              0303030303030303030303030303030303030355756348484848484848484848
              4848484848484863755555754748484848484848484848484848484848484775
              5500000000030303030303030303848591919191480303030303030348484848
              4848484848484848484848484848484848484848484848484848484848484848
              484848484848484848480003030303030303035F6C6D68754867030303030303
              0303484848484848484848484848484848484848484848484848484848484848
              484848484848484848484848484848480000030303030303C63F3F3FC6030303
              0303051227272744E03FAE3FE04427271205064242424225C8B4AFB4C8254242
              4206000303030303030303030000000000000303030303030303030303030303
              0303030305120303030303030303030303030303120506141403030303030303
              0303030303030306000303030303030303030000000000000303030303030303
              0303030303030303030303030303036255634848484848484848484848484848
              4848486355626255634848484848484848484848484848484848635562000000
              0003030303030303030384986D6D6D6D48030303030303034848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848480003030303030303031A63486348631A03030303030303034848
              4848484848484848484848484848484848484848484848484848484848484848
              48484848484848484848484800000303030303CF3F3F033F3FCF03030303051C
              2D2D2DE03FCA2DCA3FE02D2D1C05063C3C3C3CC8B4CB3CCBB4C83C3C3C060003
              0303030303030303000000000000030303030303030303030303030303030303
              0512030303030303030303030303030312050614140303030303030303030303
              0303030600030303030303030303000000000000030303030303030303030303
              0303030303030303030303050505050505050505050505050505050505050505
              0505060606060606060606060606060606060606060606060600000000030303
              0303030303035548484848484803030303030303484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848000303030303030303038685758586030303030303030303484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848000003030303033F3F0303033F3F03030303051C363636B3
              CA363636CAB336361C05064E4E4E4EB8CB4E4E4ECBB84E4E4E06000303030303
              0303030300000000000003030303030303030303030303030303030305120303
              0303030303030303030303031205061414030303030303030303030303030306
              0003030303030303030300000000000003030303030303030303030303030303
              030303030303030573262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26730506A7
              BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BFA7060000000003030303030303
              0303030303030303030303030303030348484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848480003
              0303030303030303030303030303030303030303030348484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              48484848000003030303030303030303030303030303053A2626262626262626
              262626263A050633333333333333333333333333330600030303030303030303
              0000000000000303030303030303030303030303030303030512030303030303
              0303030303030303120506141403030303030303030303030303030600030303
              0303030303030000000000000303030303030303030303030303030303030303
              03030305265EBDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBD5E260506BFC0C0C0C0
              C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BF06000000000303030303030303030303
              0303030303030303030303034848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848000303030303
              0303030303030303030303030303030303034848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              000003030303030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F
              3A0506ADADADADADADADADADADADADADAD060003030303030303030300000000
              0000030303030303030303030303030303030303051203030303030303030303
              0303030312050614141414141414141414141414141414060003030303030303
              0303000000000000030303030303030303030303030303030303030303030305
              446E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E440506656565656565656565
              6565656565656565656565650600000000030303030303030303030303030303
              0303030303030303636348484848484848484848484848484848484848636363
              4748484848484848484848484848484848484848476300030303030303030303
              0303030303030303030303030303636348484848484848484848484848484848
              4848486363634748484848484848484848484848484848484848476300000303
              0303030303030303030303030303055B2B2B2B2B2B2B2B2B2B2B2B2B5B05061D
              2C2C2C2C2C2C2C2C2C2C2C2C1D06000303030303030303030000000000000303
              0303030303030303030303030303030305120303030303030303030303030303
              1205061414141414141414141414141414141406000303030303030303030000
              00000000030303030303030303030303030303030303030303030305266E6E6E
              6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E26050665656565656565656565656565
              6565656565656565060000000003030303030303030303030303030303030303
              0303030355756348484848484848484848484848484848486375555575474848
              4848484848484848484848484848484775550003030303030303030303030303
              0303030303030303030355756348484848484848484848484848484848486375
              5555754748484848484848484848484848484848484775550000030303030303
              0303030303030303030305405B5B5B5B5B5B5B5B5B5B5B5B400506DCDFDFDFDF
              DFDFDFDFDFDFDFDFDC0600030303030303030303000000000000030303030303
              0303030303030303030303030512120303030303030303030303031212050614
              1414141414141414141414141414140600030303030303030303000000000000
              0303030303030303030303030303030303030303030303052678787878787878
              7878787878787878787878782605066F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F
              6F6F6F6F06000000000303030303030303030303030303030303030303030303
              6255634848484848484848484848484848484848635562625563484848484848
              4848484848484848484848635562000303030303030303030303030303030303
              0303030303036255634848484848484848484848484848484848635562625563
              4848484848484848484848484848484848635562000003030303030303030303
              0303030303030505050505050505050505050505050506060606060606060606
              0606060606060003030303030303030300000000000003030303030303030303
              0303030303030303052012121212121212121212121212122005061314141414
              1414141414141414141413060003030303030303030300000000000003030303
              03030303030303030303030303030303030303053B7C7C7C7C7C7C7C7C7C7C7C
              7C7C7C7C7C7C7C7C3B05066F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F
              0600000000030303030303030303030303030303030303030303030305050505
              0505050505050505050505050505050505050506060606060606060606060606
              0606060606060606060600030303030303030303030303030303030303030303
              0303050505050505050505050505050505050505050505050506060606060606
              0606060606060606060606060606060600000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000303030303030303030303030303
              0303030300050505050505050505050505050505050000060606060606060606
              0606060606060600000707070707070707070000000000000303030303030303
              03030303030303030303030303030305367C7C7C7C7C7C7C7C7C7C7C7C7C7C7C
              7C7C7C7C36050679797979797979797979797979797979797979797906000000
              0003030303030303030303030303030303030303030303030573262F2F2F2F2F
              2F2F2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0
              C0C0C0BFA7060003030303030303030303030303030303030303030303030573
              262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0
              C0C0C0C0C0C0C0C0C0BFA7060000034848484848484848484848484848484848
              4848030348484848484848484848484848484848484848030348484848484848
              4848484848484848484848480300000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000030303030303030303030303
              030303030303030303030305367D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D
              360506B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B90600000000030303
              030303030303030303030303030303030303030305265EBDBDBDBDBDBDBDBDBD
              BDBDBDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
              BF0600030303030303030303030303030303030303030303030305265EBDBDBD
              BDBDBDBDBD5EBDBDBDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0
              C0C0C0C0C0C0BF060000486D84757575757575757575757575757575846D4848
              6D75747474747474747474747474747474756D484854A55F5F5F5F5F5F5F5F5F
              5F5F5F5F5F5FA56B480003030303030303030303030303030303030303030303
              0362556348484848484848484848484848484848486355626255634848484848
              4848484848484848484848486355620003030303030303030303030303030303
              0303030303030305122727272727272727272727272727272727272712050642
              4242424242424242424242424242424242424242060000000003030303030303
              0303030303030303030303030303030305446E6E6E6E6E2F2F2F2F2F2F2D6E6E
              6E6E6E6E6E440506656565656565292929292929C96565656565656565060003
              0303030303030303030387030303030303030303030305446E6E6E6E6E6E6E6E
              5E95276E6E6E6E6E6E6E6E4405066565656565656565653CDEAD656565656565
              6565650600004884860303030303030303030303030303038684484875860303
              0303030303030303030303030386754848817603030303030303030303030303
              0303031A48000303030303030303030303030303030303030303030303557563
              4848484848484848484848484848484848637555556D47484848484848484848
              4848484848484848476D55000303030303030303030303030303030303030303
              03030305122D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D1205063C3C3C3C3C
              3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C0600000000030303030303033F3F3F3F
              3F3FAC03030303030303030305266E6E6E6E6E3F3F3F3F3F3F666E6E6E6E6E6E
              6E260506656565656565B4B4B4B4B4B4CB656565656565656506000303030303
              0303030303B23FD40303030303030303030305266E6E6E6E6E6E6E6E883FDB6E
              6E6E6E6E6E6E6E260506656565656565656565DCB4DD65656565656565656506
              0000487503030303030303030303030303030303037548487403030303030303
              0303030303030303030374484890760303030303030303030303030303030303
              4800030303030303030303030303030303030303030303030363634848484848
              4848484848484848484848484848636363474848484848484848484848484848
              4848484848476300030303030303030303030303030303030303030303030305
              1C363636363636363636363636363636363636361C05064E4E4E4E4E4E4E4E4E
              4E4E4E4E4E4E4E4E4E4E4E4E0600000000030303030303033F03030303CFAC03
              0303030303030303052678787878783F78787878606678787878787878260506
              6F6F6F6F6F6FB46F6F6F6FD7CB6F6F6F6F6F6F6F6F0600030303030303030303
              03CFD4C60303030303030303030305267878787878787878DAACA47878787878
              7878782605066F6F6F6F6F6F6F6F6F7ED9056F6F6F6F6F6F6F6F6F0600004875
              0303030303030303030303030303030303754848740303030303030303030303
              0303030303037448489076030303030303030303030303030303030348000303
              0303030303035F5F5F5F5F5F5F03030303030303034848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              484848000303030303030303030303030303030303030303030303051C3B3B3B
              3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B1C050633333333333333333333333333
              33333333333333330600000000030303030303033F03030303CFC60303030303
              03030303053B7C7C7C7C7C3F7C7C7C7C60C744447C7C7C7C7C3B05066F6F6F6F
              6F6FB46F6F6F6FD7C825256F6F6F6F6F6F060003030303030303030303D1B249
              03030303030303030303053B7C7C7C7C7C7C7C7C9BAC4C6E7C7C7C7C7C7C7C3B
              05066F6F6F6F6F6F6F6F6F7ED9BA656F6F6F6F6F6F6F6F060000487503030303
              0303030303030303030303030375484874030303030303030303030303030303
              0303744848907603030303030303030303030303030303034800030303030303
              0303747474747474740303030303030303484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484800
              0303030303030303030303030303030303030303030303053A44444444444444
              4444444444444444444444443A0506ADADADADADADADADADADADADADADADADAD
              ADADADAD0600000000030303030303033F03030303D13F3F3F03030303030303
              05367C7C7C7C7C3F64646464603F3F3F7C7C7C7C7C360506797979797979B459
              595959D7B4B4B47979797979790600030303030303030303033F4A4A8E030303
              03030303030305367C7C7C7C7C7C7C7CD84A4A977C7C7C7C7C7C7C3605067979
              797979797979797ED3D352797979797979797906000048750303030303030303
              0303030303030303037548487403030303030303030303030303030303037448
              4890760303030303030303030303030303030303480003030303030303034848
              4848484848030303030303030348484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848480003030303
              03030303030303030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F
              2F2F2F2F2F2F2F2F3A0506333030303030303030303030303030303030303033
              0600000000030303030303033F5D5D5D5DCFAC033F0303030303030305367D7D
              7D7D7D3FA1A1A1A1CC667D3F7D7D7D7D7D360506B9B9B9B9B9B9B4D7D7D7D7CE
              CBB9B4B9B9B9B9B9B9060003030303030303030303034A3F4176030303030303
              030305367D7D7D7D7D7D7D7D7DC43FB33E7D7D7D7D7D7D360506B9B9B9B9B9B9
              B9B9B9B9C5B4B56FB9B9B9B9B9B9B90600004875030303030303030303030303
              0303030303754848740303030303030303030303030303030303744848907603
              0303030303030303030303030303030348000303030303030303555555555555
              5503030303030303034848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848000303030303030303
              030303030303030303030303030303051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B
              2B2B2B121C050643AB2525252525252525252525252525252525AB4306000000
              00030303030303033F3F3F3F3F3F3F033F03030303030303051227272727273F
              3F3F3F3F3F66273F2727272727120506424242424242B4B4B4B4B4B4CB42B442
              4242424242060003030303030303030303033FD43FC603030303030303030512
              272727272727362B3B11CC3F5A27272727272712050642424242424242332930
              43CEB4C342424242424242060000487503030303030303030303030303030303
              0375484874030303030303030303030303030303030374484890760303030303
              0303030303030303030303034800030303030303030303030303030303030303
              0303030303484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484800030303030303030303030303
              0303030303030303030303057B3A5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A
              7B0506A7A8A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A8A70600000000030303
              030303030303ACD1030303033F0303030303030305122D2D2D2D2D2D2DD0A126
              2626263F2D2D2D2D2D1205063C3C3C3C3C3C3C3CC8D230303030B43C3C3C3C3C
              3C06000303030303030303B1D4A3039F3F41030303030303030305122D2D2D2D
              2D2D5AACA51C833F772D2D2D2D2D2D1205063C3C3C3C3C3C3CC3AFD232D5B4D6
              3C3C3C3C3C3C3C06000048750303030303030303030303030303030303754848
              7403030303030303030303030303030303037448489076030303030303030303
              0303030303030303480003030303030303030303030303030303030303030303
              0348484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848480003030303030303030303030303030303
              0303030303030305050505050505050505050505050505050505050505050606
              0606060606060606060606060606060606060606060000000003030303030303
              0303ACCF5D5D5D5D3F03030303030303051C36363636363636D0D15F5F5F5F3F
              36363636361C05064E4E4E4E4E4E4E4EC8CED2D2D2D2B44E4E4E4E4E4E060003
              030303030303033F3F3F4A3F3F3F0303030303030303051C363636363636114A
              3F4A3F4A113636363636361C05064E4E4E4E4E4E4E1DD3B4D3B4D31D4E4E4E4E
              4E4E4E0600004875030303030303030303030303030303030375484874030303
              0303030303030303030303030303744848907603030303030303030303030303
              0303030348000303030303030303030303030303030303030303030303484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000303030303030303033F3F
              3F3F3F3F3F03030303030303051C3B3B3B3B3B3B3BCA3F3F3F3F3F3F3B3B3B3B
              3B1C05063333333333333333CBB4B4B4B4B4B433333333333306000303030303
              030303033F3F3F3F3F030303030303030303051C3B3B3B3B3B3B3B8FCCACCC8F
              3B3B3B3B3B3B3B1C05063333333333333333CDCEAFCECD333333333333333306
              0000487503030303030303030303030303030303037548487403030303030303
              0303030303030303030374484890760303030303030303030303030303030303
              4800030303030303030303030303030303030303030303030348484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484800000000030303030303030303030303030303030303030303
              0303625563484848484848484848484848484848484863556262556348484848
              4848484848484848484848484863556200030303030303030303030303030303
              0303030303030303053A444444444444444444444444444444444444443A0506
              ADADADADADADADADADADADADADADADADADADADADAD0600030303030303030303
              0303030303030303030303030303053A44444444444444444444444444444444
              4444443A0506ADADADADADADADADADADADADADADADADADADADADAD0600004875
              0303030303030303030303030303030303754848740303030303030303030303
              0303030303037448489076030303030303030303030303030303030348000303
              0303030303030303030303030303030303030303034848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848480000000003030303030303030303030303030303030303030303035575
              634848484848484848484848484848484848637555556D474848484848484848
              484848484848484848476D550003030303030303030303030303030303030303
              03030303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A050633303030
              3030303030303030303030303030303033060003030303030303030303030303
              03030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A
              0506333030303030303030303030303030303030303033060000487503030303
              0303030303030303030303030375484874030303030303030303030303030303
              0303744848907603030303030303030303030303030303034800030303030303
              0303030303030303030303030303030303484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484800
              0000000303030303030303030303030303030303030303030303636348484848
              4848484848484848484848484848486363634748484848484848484848484848
              4848484848484763000303030303030303030303030303030303030303030303
              051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB252525252525
              2525252525252525252525AB4306000303030303030303030303030303030303
              030303030303051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB
              2525252525252525252525252525252525AB4306000048750303030303030303
              0303030303030303037548487403030303030303030303030303030303037448
              4890760303030303030303030303030303030303480003030303030303030303
              0303030303030303030303030348484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848480000000003
              0303030303035555555555555555550303030303030348484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              48484848000303030303030303030303030303030303030303030303057B3A5B
              5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9A9A9A9A9A9A9
              A9A9A9A9A9A9A9A8A70600030303030303030303030303030303030303030303
              0303057B3A5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9
              A9A9A9A9A9A9A9A9A9A9A9A9A9A8A70600004875030303030303030303030303
              0303030303754848740303030303030303030303030303030303744848907603
              0303030303030303030303030303030348000303030303030303030303030303
              0303030303030303034848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848000000000303030303
              0303484848484848484848030303030303034848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              0003030303030303030303030303030303030303030303030505050505050505
              0505050505050505050505050505050606060606060606060606060606060606
              0606060606060003030303030303030303030303030303030303030303030505
              0505050505050505050505050505050505050505050606060606060606060606
              0606060606060606060606060000487503030303030303030303030303030303
              0375484874030303030303030303030303030303030374484890760303030303
              0303030303030303030303034800030303030303030303030303030303030303
              0303030303636348484848484848484848484848484848484848636363474848
              4848484848484848484848484848484848476300000000030303030303034803
              0303030303034803030303030303484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484800000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000048750303030303030303030303030303030303754848
              7403030303030303030303030303030303037448489076030303030303030303
              0303030303030303480003030303030303030303030303030303030303030303
              0355756348484848484848484848484848484848486375555575474848484848
              4848484848484848484848484775550000000003030303030303480303030303
              0303480303030303030348484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848480003030303030303
              0303030303030303030303030303030303000000000003030303030303030303
              0303030303030303030303030362556348484848484848484848484848484848
              4863556262556348484848484848484848484848484848486355620003030303
              0303030303030303030303030303030303030303030303000348484848484848
              0300000000004875030303030303030303030303030303030375484874030303
              0303030303030303030303030303744848907603030303030303030303030303
              0303030348000303030303030303030303030303030303030303030303625563
              4848484848484848484848484848484848635562625563484848484848484848
              4848484848484848635562000000000303030303030348030303030303034803
              0303030303034848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848000375757575757503037575
              7575757503037575757575750300000000000303030303030303030303030303
              0303030303030303035575634848484848484848484848484848484848637555
              556D474848484848484848484848484848484848476D55000303030303875F76
              030303030303875F76030303030303875F760300486A67676767676A48000000
              0000487503030303030303030303030303030303037548487403030303030303
              030303030303030303037448485F861A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              4800030303030303030303030303030303030303030303030305050505050505
              0505050505050505050505050505050506060606060606060606060606060606
              0606060606060600000000030303030303034803030303030303480303030303
              0303484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848484800034848484848480303484848484848
              0303484848484848030000000000030303030303030303030303030303030303
              0303030303636348484848484848484848484848484848484848636363474848
              4848484848484848484848484848484848476300030303039163548703030303
              0391635487030303030391635487030048670303030303674800000000004875
              0303030303030303030303030303030303754848740303030303030303030303
              030303030303744848778E868686868686868686868686868686868648000303
              0303030303030303030303030303030303030303030573262F2F2F2F2F2F2F2F
              2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
              BFA7060000000003030303030303480303030303030348030303030303034848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848480003757575757575030375757575757503037575
              75757575030000000000030303030303036A691A0303031A696A030303030303
              0348484848484848484848484848484848484848484848484848484848484848
              48484848484848484848484848484800030303A563486B8703030303A563486B
              8703030303A563486B8703004867030303030367480000000000488486030303
              0303030303030303030303038684484875860303030303030303030303030303
              03867548486981818181818181818181818181818181815F4800030303030303
              030303030303030303030303030303030305265EBDBDBDBDBDBDBDBDBDBDBDBD
              BDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BF0600
              0000000303030303030348555555555555554803030303030303484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848000348484848484803034848484848480303484848484848
              030000000000030303030303036C47681A031A68476C03030303030303484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848000303864848486B87030303864848486B87030303
              864848486B8703004867030303030367480000000000486D8475757575757575
              7575757575757575846D48486D75747474747474747474747474747474756D48
              4884666666666666666666666666666666666684480003030303030303030303
              0303030303030303030303030305446E6E6E6E6E6E2D2D2D2D2D2D2D6E6E6E6E
              6E6E44050665656565656565C9C9C9C9C9C9C965656565656565060000000003
              0303030303034848484848484848480303030303030348484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484800037575757575750303757575757575030375757575757503000000
              0000030303030303037448636876686348740303030303030348484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848484848484800030303A563486B8703030303A563486B8703030303A56348
              6B87030048670303030303674800000000000348484848484848484848484848
              4848484848480303484848484848484848484848484848484848480303484848
              4848484848484848484848484848484803000303030303030303C6C6C6C6C6C6
              C6030303030303030305266E6E6E6E6E6EC7C7C7C7C7C7C76E6E6E6E6E6E2605
              0665656565656565C8C8C8C8C8C8C86565656565656506000000000303030303
              0303484848484848484848030303030303034848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              0003484848484848030348484848484803034848484848480300000000000303
              0303030303766C48636B63486C76030303030303034848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              4848480003030303916354870303030303916354870303030303916354870300
              4867030303030367480000000000000404040404040404040404040404040404
              0404000005050505050505050505050505050505050505000006060606060606
              060606060606060606060606000003030303030303033F3F3F3F3F3F3F030303
              030303030305267878787878783F3F3F3F3F3F3F7878787878782605066F6F6F
              6F6F6F6FB4B4B4B4B4B4B46F6F6F6F6F6F6F0600000000030303030303030303
              0303030303030303030303030303484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484800030303
              0303030303030303030303030303030303030303030000000000030303030303
              0303766C4848486C760303030303030303484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484800
              0303030303875F76030303030303875F76030303030303875F760300486A6767
              6767676A48000000000004B00F0303030303030303030303030303030FB00405
              7B2B1212121212121212121212121212122B7B050606C2030303030303030303
              030303030303C2C3060003030303030303033F3F3F3F3F3F3F03030303030303
              03053B7C7C7C7C7C7CC4C4C4C4C4C4C47C7C7C7C7C7C3B05066F6F6F6F6F6F6F
              C5C5C5C5C5C5C56F6F6F6F6F6F6F060000000003030303030303030303030303
              0303030303030303030348484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848480003030303030303
              0303030303030303030303030303030303000000000003030303030303031A85
              484848851A030303030303030348484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848484848480003030303
              0303030303030303030303030303030303030303030303000348484848484848
              030000000000040F03030303030303030303030303030303030F04052B120303
              03030303030303030303030303122B05062A1403030303030303030303030303
              030303060600030303030303030303030303030303030303030303030305367C
              7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C3605067979797979797979797979
              7979797979797979797906000000000303030303030303030303030303030303
              0303030303036363484848484848484848484848484848484848486363634748
              4848484848484848484848484848484848484763000303030303030303030303
              030303030303030303030303030000000000030303030303031A686348484863
              681A030303030303034848484848484848484848484848484848484848484848
              4848484848484848484848484848484848484848484848000303030303030303
              030303030303030303030303030303030303030000C1C1C1C1C1C1C100000000
              0000040303030303030303030303030303030303030304051203030303030303
              0303030303030303030312050614140303030303030303030303030303030303
              0600030303030303030303030303030303030303030303030305367D7D7D7D7D
              7D7D7D7D7D7D7D7D7D7D7D7D7D7D360506B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9
              B9B9B9B9B9B90600000000030303030303030303030303030303030303030303
              0303557563484848484848484848484848484848484863755555754748484848
              4848484848484848484848484847755500030707070707070303050505050505
              0303050505050505030000000000030303030303036663486C916C4863660303
              0303030303484848484848484848484848484848484848484848484848484848
              48484848484848484848484848484848484848000303030303AA9F0303030303
              03033FAC030303030303033FAC030300C17A03030303037AC100000000000403
              0303030303030303030303030303030303030405120303030303030303030303
              0303030303031205061414030303030303030303030303030303030306000303
              0303030303030303030303030303030303030303030512272727272727272727
              2727272727272727272712050642424242424242424242424242424242424242
              4242060000000003030303030303030303030303030303030303030303036255
              6348484848484848484848484848484848486355626255634848484848484848
              4848484848484848486355620003030303030303030303030303030303030303
              03030303030000000000030303030303036C486C7603766C486C030303030303
              0348484848484848484848484848484848484848484848484848484848484848
              4848484848484848484848484848480003030303AAAA530303030303033F3FA3
              0303030303033F3FA3030300C103030303030303C10000000000040303030303
              0303030303030303030303030303040512030303030303030303030303030303
              0303120506141403030303030303030303030303030303030600030303030303
              030303030303030303030303030303030305122D2D2D2D2D2D2D2D2D2D2D2D2D
              2D2D2D2D2D2D1205063C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C0600
              0000000303030303030303030303030303030303030303030303050505050505
              0505050505050505050505050505050505060606060606060606060606060606
              0606060606060606000307070707070703030505050505050303050505050505
              0300000000000303030303030375747603030376747503030303030303484848
              4848484848484848484848484848484848484848484848484848484848484848
              484848484848484848484800030303AAAAAA5303030303033F4A3FA303030303
              033F4A3FA3030300C103030303030303C1000000000004030303030303030303
              0303030303030303030304051203030303030303030303030303030303031205
              0614140303030303030303030303030303030303060003030303030303030303
              03030303030303030303030303051C3636363636363636363636363636363636
              36361C05064E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E060000000003
              030303030303030303030303030303030303030303030573262F2F2F2F2F2F2F
              2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
              C0BFA70600030303030303030303030303030303030303030303030303000000
              0000030303030303030303030303030303030303030303030348484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              48484848484848000303AAAAAAAA53030303033F3F3F3FA3030303033F3F3F3F
              A3030300C103030303030303C100000000000403030303030303030303030303
              0303030303030405120303030303030303030303030303030303120506141403
              0303030303030303030303030303030306000303030303030303030303030303
              030303030303030303051C3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B1C05
              0633333333333333333333333333333333333333333306000000000303030303
              03030303030303030303030303030303030305265EBDBDBDBDBDBDBDBDBDBDBD
              BDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BF06
              0003070707070707030305050505050503030505050505050300000000000303
              0303030303030303030303030303030303030303034848484848484848484848
              4848484848484848484848484848484848484848484848484848484848484848
              48484800030303AAAAAA5303030303033F4A3FA303030303033F4A3FA3030300
              C103030303030303C10000000000040303030303030303030303030303030303
              0303040512030303030303030303030303030303030312050614140303030303
              0303030303030303030303030600030303030303030303030303030303030303
              0303030303053A444444444444444444444444444444444444443A0506ADADAD
              ADADADADADADADADADADADADADADADADADAD0600000000030303030303030303
              030303030303030303030303030305446E6E6E6E6E2F2F2F2F2F2F2F2F2F6E6E
              6E6E6E4405066565656565652929292929292929296565656565650600030303
              0303030303030303030303030303030303030303030000000000030303030303
              0303030303030303030303030303030303636348484848484848484848484848
              4848484848486363634748484848484848484848484848484848484848476300
              03030303AAAA530303030303033F3FA30303030303033F3FA3030300C1030303
              03030303C1000000000004030303030303030303030303030303030303030405
              1203030303030303030303030303030303031205061414030303030303030303
              0303030303030303060003030303030303030303030303030303030303030303
              03053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A050633303030303030
              30303030303030303030303030330600000000030303030303033F3F3F3F3F3F
              3F3F3F0303030303030305266E6E6E6E6E3F3F3F3F3F3F3F3F3F6E6E6E6E6E26
              0506656565656565B4B4B4B4B4B4B4B4B4656565656565060000000000000000
              0000000000000000000000000000000000000000000003030303030303030303
              0303030303030303030303030355756348484848484848484848484848484848
              4863755555754748484848484848484848484848484848484775550003030303
              03AA9F030303030303033FAC030303030303033FAC030300C17A03030303037A
              C100000000000403030303030303030303030303030303030303040512030303
              0303030303030303030303030303120506141403030303030303030303030303
              0303030306000303030303030303030303030303030303030303030303051C12
              2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB252525252525252525
              2525252525252525AB430600000000030303030303033F030303030303033F03
              030303030303052678787878783F787878787878783F78787878782605066F6F
              6F6F6F6FB46F6F6F6F6F6F6FB46F6F6F6F6F6F06000303030303030303030303
              0303030303030303030303030303030300000303030303030303030303030303
              0303030303030303036255634848484848484848484848484848484848635562
              6255634848484848484848484848484848484848635562000303030303030303
              030303030303030303030303030303030303030000C1C1C1C1C1C1C100000000
              0000040303030303030303030303030303030303030304051203030303030303
              0303030303030303030312050614140303030303030303030303030303030303
              06000303030303030303030303030303030303030303030303057B3A5B5B5B5B
              5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9A9A9A9A9A9A9A9A9A9
              A9A9A9A9A8A70600000000030303030303033F030303030303033F0303030303
              0303053B7C7C7C7C7C3F7C7C7C7C7C7C7C3F7C7C7C7C7C3B05066F6F6F6F6F6F
              B46F6F6F6F6F6F6FB46F6F6F6F6F6F0600030303030303030303030303030303
              0303030303030303030303030000030303030303030303030303030303030303
              0303030303050505050505050505050505050505050505050505050506060606
              0606060606060606060606060606060606060600000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000403
              0303030303030303030303030303030303030405120303030303030303030303
              0303030303031205061414030303030303030303030303030303030306000303
              0303030303030303030303030303030303030303030505050505050505050505
              0505050505050505050505050606060606060606060606060606060606060606
              06060600000000030303030303033F030303030303033F030303030303030536
              7C7C7C7C7C3F7C7C7C7C7C7C7C3F7C7C7C7C7C360506797979797979B4797979
              79797979B4797979797979060003030303860303030303030303860303030303
              0303038603030303000003030303030303030303030303030303030303030303
              030573262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0
              C0C0C0C0C0C0C0C0C0C0C0C0BFA7060000000000000000000000000000030303
              0303030303030303030303030303030303030303030303030000040303030303
              0303030303030303030303030303040512030303030303030303030303030303
              0303120506141403030303030303030303030303030303030600000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000030303030303033F030303030303033F0303030303030305367D7D7D7D
              7D3F7D7D7D7D7D7D7D3F7D7D7D7D7D360506B9B9B9B9B9B9B4B9B9B9B9B9B9B9
              B4B9B9B9B9B9B90600030303A548A5030303030303A548A5030303030303A548
              A50303030000030303030303030303030303030303030303030303030305265E
              BDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0
              C0C0C0C0C0C0C0C0C0BF06000000000000000000000000000003768787878787
              7603037687878787877603037687878787877603000004030303030303030303
              0303030303030303030304051203030303030303030303030303030303031205
              0614140303030303030303030303030303030303060003034848484848484848
              4848484848484848484848480303030348484848484848484848484848484848
              4848484803030303484848484848484848484848484848484848484803030003
              0303030303033F030303030303033F03030303030303051227272727273F2727
              27272727273F2727272727120506424242424242B442424242424242B4424242
              4242420600030391634863910303030391634863910303030391634863910303
              0000030303030303030303030303030303030303030303030305446E6E6E6E6E
              3B3BBD6E6E6EBD3B3B6E6E6E6E6E4405066565656565651E1E4D6565654D1E1E
              656565656565060000000000000000000000000000035F546B6B6B545F03035F
              546B6B6B545F03035F546B6B6B545F0300000403030303030303030303030303
              0303030303030405120303030303030303030303030303030303120506141403
              0303030303030303030303030303030306000363546D75757575757575757575
              7575757575756D54630303636B7474747474747474747474747474747474746B
              63030363695F5F5F5F5F5F5F5F5F5F5F5F5F5F5F5F5F5F696303000303030303
              03033F030303030303033F0303030303030305122D2D2D2D2D3F1C1C1C1C1C1C
              1C3F2D2D2D2D2D1205063C3C3C3C3C3CB432323232323232B43C3C3C3C3C3C06
              0003876348484863870303876348484863870303876348484863870300000303
              0303030303B3B11F0303031FB1B30303030303030305266E6E6E6E6EACAE82BD
              6EBD82AEAC6E6E6E6E6E260506656565656565AFAFBE656565BEAFAF65656565
              6565060000000000000000000000000000038763484848638703038763484848
              6387030387634848486387030000040303030303030303030303030303030303
              0303040512030303030303030303030303030303030312050614140303030303
              03030303030303030303030306004854661A0303030303030303030303030303
              03031A665448486B681A030303030303030303030303030303031A686B484869
              7603030303030303030303030303030303030303A54800030303030303033F3F
              3F3F3F3F3F3F3F03030303030303051C36363636363F3F3F3F3F3F3F3F3F3636
              3636361C05064E4E4E4E4E4EB4B4B4B4B4B4B4B4B44E4E4E4E4E4E0600035F54
              6B6B6B545F03035F546B6B6B545F03035F546B6B6B545F030000030303030303
              034A3F411F031F413F4A0303030303030305267878787878AE3FB382BD82B33F
              AE78787878782605066F6F6F6F6F6FAFB4B5BE59BEB5B4AF6F6F6F6F6F6F0600
              0000000000000000000000000003039163486391030303039163486391030303
              0391634863910303000004030303030303030303030303030303030303030405
              1203030303030303030303030303030303031205061414030303030303030303
              03030303030303030600486D1A0303030303030303030303030303030303031A
              6D4848741A0303030303030303030303030303030303031A7448488176030303
              03030303030303030303030303030303624800030303030303033F3F3F3F3F3F
              3F3F3F03030303030303051C3B3B3B3B3B3F3F3F3F3F3F3F3F3F3B3B3B3B3B1C
              0506333333333333B4B4B4B4B4B4B4B4B4333333333333060003768787878787
              76030376878787878776030376878787878776030000030303030303033F4A3F
              4149413F4A3F03030303030303053B7C7C7C7C7CBBBC3FB34CB33FBCBB7C7C7C
              7C7C3B05066F6F6F6F6F6F7EB8B4B5BAB5B4B87E6F6F6F6F6F6F060000000000
              000000000000000000030303A548A5030303030303A548A5030303030303A548
              A503030300000403030303030303030303030303030303030303040512030303
              0303030303030303030303030303120506141403030303030303030303030303
              0303030306004875030303030303030303030303030303030303030375484874
              0303030303030303030303030303030303030303744848907603030303030303
              0303030303030303030303030348000303030303030303030303030303030303
              030303030303053A444444444444444444444444444444444444443A0506ADAD
              ADADADADADADADADADADADADADADADADADADAD06000303030303030303030303
              03030303030303030303030303030303000003030303030303033F4A3F3F3F4A
              3F030303030303030305367C7C7C7C7C7CBBBC3F3F3FBCBB7C7C7C7C7C7C3605
              06797979797979797EB8B4B4B4B87E7979797979797906000000000000000000
              0000000000030303038603030303030303038603030303030303038603030303
              0000040303030303030303030303030303030303030304051203030303030303
              0303030303030303030312050614141414141414141414141414141414141414
              0600487503030303030303030303030303030303030303037548487403030303
              0303030303030303030303030303030374484890760303030303030303030303
              0303030303030303034800030303030303030303030303030303030303030303
              0303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A0506333030303030
              3030303030303030303030303030330600030303030303030303030303030303
              0303030303030303030303030000030303030303030303493F3F3F4903030303
              030303030305367D7D7D7D7D7D7C4F3F3F3F4F7C7D7D7D7D7D7D360506B9B9B9
              B9B9B9B979BAB4B4B4BA79B9B9B9B9B9B9B90600000000000000000000000000
              0003030303030303030303030303030303030303030303030303030300000403
              0303030303030303030303030303030303030405120303030303030303030303
              0303030303031205061414141414141414141414141414141414141406004875
              0303030303030303030303030303030303030303754848740303030303030303
              0303030303030303030303037448489076030303030303030303030303030303
              030303030348000303030303030303030303030303030303030303030303051C
              122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB2525252525252525
              252525252525252525AB43060003030303030303030303030303030303030303
              0303030303030303000003030303030303031F413F3F3F411F03030303030303
              03051227272727272DB6B33F3F3FB3B62D27272727271205064242424242423C
              73B7B4B4B4B7733C424242424242060000000000000000000000000000030303
              0303030303030303030303030303030303030303030303030000040F03030303
              030303030303030303030303030F04052B120303030303030303030303030303
              03122B05062A14141414141414141414141414141414142A0600487503030303
              0303030303030303030303030303030375484874030303030303030303030303
              0303030303030303744848907603030303030303030303030303030303030303
              0348000303030303030303030303030303030303030303030303057B3A5B5B5B
              5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9A9A9A9A9A9A9A9A9
              A9A9A9A9A9A8A7060003030303AA03030303030303033F03030303030303033F
              030303030000030303030303031F413F4A3F4A3F411F0303030303030305122D
              2D2D2D2DB6B33FB34FB33FB3B62D2D2D2D2D1205063C3C3C3C3C3C73B7B4B810
              B8B4B7733C3C3C3C3C3C06000000000000000000000000000003030303030303
              0303030303030303030303030303030303030303000004B00F03030303030303
              03030303030303030FB004057B2B1212121212121212121212121212122B7B05
              06232A1414141414141414141414141414142A23060048750303030303030303
              0303030303030303030303037548487403030303030303030303030303030303
              0303030374484890760303030303030303030303030303030303030303480003
              0303030303030303030303030303030303030303030305050505050505050505
              0505050505050505050505050506060606060606060606060606060606060606
              0606060600030303AAAAAA0303030303033F3F3F0303030303033F3F3F030303
              000003030303030303B13F4A3F033F4A3FB103030303030303051C3636363636
              B23FB3823682B33FB236363636361C05064E4E4E4E4E4EAFB4B5434E43B5B4AF
              4E4E4E4E4E4E0600000000000000000000000000000303030303030303030303
              0303030303030303030303030303030300000004040404040404040404040404
              0404040404040000050505050505050505050505050505050505050000060606
              0606060606060606060606060606060600004875030303030303030303030303
              0303030303030303754848740303030303030303030303030303030303030303
              7448489076030303030303030303030303030303030303030348000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000303AAAAAAAAAA030303033F4A3F4A3F030303033F4A3F4A3F030300000303
              03030303033F3F3F0303033F3F3F03030303030303051C3B3B3B3B3BACAE823B
              3B3B82AEAC3B3B3B3B3B1C0506333333333333AFAF4333333343AFAF33333333
              3333060000000000000000000000000000039F53535353539F0303ACA3A3A3A3
              A3AC0303ACA3A3A3A3A3AC030000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000487503030303030303030303030303030303
              0303030375484874030303030303030303030303030303030303030374484890
              7603030303030303030303030303030303030303034800000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              000000000000000000000000000000000000000000000000000000000003AAAA
              AAAAAAAAAA03033F3F3F3F3F3F3F03033F3F3F3F3F3F3F030000030303030303
              0303030303030303030303030303030303053A44444444444444444444444444
              4444444444443A0506ADADADADADADADADADADADADADADADADADADADADAD0600
              0000000000000000000000000003AAAAAAAAAAAAAA03033F3F3F3F3F3F3F0303
              3F3F3F3F3F3F3F03000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000003484848
              4848484803000000000048750303030303030303030303030303030303030303
              7548487403030303030303030303030303030303030303037448489076030303
              0303030303030303030303030303030303480003484848484848480300000000
              0000000000000000000000000000000000000000000000000000000000000000
              00000000000000000000000000000000000000000000000000039F5353535353
              9F0303ACA3A3A3A3A3AC0303ACA3A3A3A3A3AC03000003030303030303030303
              03030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
              2F2F3A0506333030303030303030303030303030303030303033060000000000
              0000000000000000000303AAAAAAAAAA030303033F4A3F4A3F030303033F4A3F
              4A3F030300004866848484848484848484848484848484848466484885848484
              848484848484848484848484848485480000000000000000486B767676767681
              4800000000004875030303030303030303030303030303030303030375484874
              0303030303030303030303030303030303030303744848907603030303030303
              030303030303030303030303034800486D5555555555544800008B0404040404
              0404040404048B0000008C05050505050505050505058C0000008D0606060606
              0606060606068D00000000000000000000000000000303030303030303030303
              0303030303030303030303030303030300000303030303030303030303030303
              030303030303030303051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C05
              0643AB2525252525252525252525252525252525AB4306000000000000000000
              0000000000030303AAAAAA0303030303033F3F3F0303030303033F3F3F030303
              0000486603030303030303030303030303030303036648488503030303030303
              0303030303030303030385480000000000000000485503030303037648000000
              0000487503030303030303030303030303030303030303037548487403030303
              0303030303030303030303030303030374484890760303030303030303030303
              03030303030303030348004890030303030355480000040F0303030303030303
              030F04000000053A5B5B5B5B5B5B5B5B5B3A0500000006363B3B3B3B3B3B3B3B
              3B36060000000000000000000000000000030303030303030303030303030303
              0303030303030303030303030000030303030303030303030303030303030303
              0303030303057B3A5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9
              A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A8A70600000000000000000000000000
              0003030303AA03030303030303033F03030303030303033F0303030300004866
              0303030303030303030303030303030303664848850303030303030303030303
              0303030303038548000000000000000048550303030303764800000000004875
              0303030303030303030303030303030303030303754848740303030303030303
              0303030303030303030303037448489076030303030303030303030303030303
              030303030348004890030303030355480000040F0F0F0FA60F0F0F0F0F0F0400
              0000053A1C1C1C861C1C1C1C1C3A050000000636575757975757575757360600
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000003030303030303030303030303030303030303030303
              0305050505050505050505050505050505050505050505050606060606060606
              0606060606060606060606060606060000000000000000000000000000030303
              0303030303030303030303030303030303030303030303030000486603030303
              0303030303030303030303030366484885030303030303030303030303030303
              0303854800000000000000004855030303030376480000000000487503030303
              0303030303030303030303030303030375484874030303030303030303030303
              0303030303030303744848907603030303030303030303030303030303030303
              0348004890030303030355480000040F161651948A161616160F04000000051C
              12120B948A121212121C0500000006365E5EA5949F5E5E5E5E36060000000809
              0909090909090909090909090909090909090909090909090909090909090909
              0909090908000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000003030303030303
              0303030303030303030303030303030303030303000048660303030303030303
              0303030303030303036648488503030303030303030303030303030303038548
              0000000000000000485503030303037648000000000048750303030303030303
              0303030303030303030303037548487403030303030303030303030303030303
              0303030374484890760303030303030303030303030303030303030303480048
              90030303030355480000040F3135949494463131310F04000000051C2B179494
              94532B2B2B1C05000000062D64A1949494836464642D06000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              0900030303030303030303030303030303038147484848484848484848484848
              4781814748484848484848484848484847810003030303766D76030303030303
              0303766D760303030303030303766D7603030303000000000000000000000000
              0000000000000000000000000000000000004866030303030303030303030303
              0303030303664848850303030303030303030303030303030303854800000000
              0000000048550303030303764800000000004875030303030303030303030303
              0303030303030303754848740303030303030303030303030303030303030303
              7448489076030303030303030303030303030303030303030348004890030303
              0303554800000416719494A2949424313116040000000512499494019494912F
              2F120500000006275A9494A39494A45C5C270600000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000303
              0303030303030303030303030303474848484848484848484848484848474748
              4848484848484848484848484847000303037698489876030303030303769848
              9876030303030303769848987603030300484848484848484848484848484848
              4848484848484848484848480000486603030303030303030303030303030303
              0366484885030303030303030303030303030303030385480000000000000000
              485455555555556B480000000000487503030303030303030303030303030303
              0303030375484874030303030303030303030303030303030303030374484890
              7603030303030303030303030303030303030303034800487790909090906D48
              000004169A9451340794A00E34160400000005129A940B445394A09544120500
              0000064B9D94A1457794A021454B060000000903030303030303030303030303
              0303030303030303030303030303030303030303030303030900480303030303
              0303030303030303030348484848484848484848484848484848484848484848
              4848484848484848484800030376984848489876030303037698484848987603
              03030376984848489876030300030303030303036B4848484848484848484803
              0303030303036B48000048660303030303030303030303030303030303664848
              8503030303030303030303030303030303038548000000000000000003484848
              4848484803000000000048750303030303030303030303030303030303030303
              7548487403030303030303030303030303030303030303037448489076030303
              0303030303030303030303030303030303480003484848484848480300000431
              0E711818189E9493503104000000052B95903B3B3B0D94931B2B05000000064B
              215A3E3E3E9F94969B4B06000000090303030303030303030303030303030303
              0303030303030303030303030303030303030303090048030303030303030303
              0303030303034848484848484848484848484848484848484848484848484848
              4848484848480003769848484848489876030376984848484848987603037698
              484848484898760300030303030303036B484848484848484848480303030303
              03036B4800004866030303030303030303030303030303030366484885030303
              0303030303030303030303030303854800000000000000000007070707070707
              0000000000004875030303030303030303030303030303030303030375484874
              0303030303030303030303030303030303030303744848907603030303030303
              0303030303030303030303030348000007070707070707000000043118181818
              186199949A3104000000052F36363636361B99949A2F05000000065738383838
              389B9C949D570600000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309004803030303030303030303030303
              0303484848484848484848484848484848484848484848484848484848484848
              4848007698484848484848489876769848484848484848987676984848484848
              4848987600030303030303036B48030303030303036B48030303030303036B48
              0000486603030303030303030303030303030303036648488503030303030303
              0303030303030303030385480000000000000000071804040404049207000000
              0000487503030303030303030303030303030303030303037548487403030303
              0303030303030303030303030303030374484890760303030303030303030303
              0303030303030303034800070C03030303031907000004315050505050500E93
              940E04000000052F2D2D2D2D2D2D8293949505000000065E3232323232322196
              9497060000000903030303030303030303030303030303030303030303030303
              0303030303030303030303030900480303030303030303030303030303034848
              4848484848484848484848484848484848484848484848484848484848480098
              4848484848484848489898484848484848484848989848484848484848484898
              00030303030303036B48030303030303036B48030303030303036B4800004866
              0303030303030303030303030303030303664848850303030303030303030303
              0303030303038548000303030303030007030303030303040700000000004875
              0303030303030303030303030303030303030303754848740303030303030303
              0303030303030303030303037448485F861A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
              1A1A1A1A1A480007040303030303030700000434505050505050500A71340400
              000005442D2D2D2D2D2D2D8F90440500000006282E2E2E2E2E2E2E7B5A280600
              0000090303030303030303030303030303030303030303030303030303030303
              0303030303030303090048030303030303919103030303030303484848484848
              4848484848484848484848484848484848484848484848484848004848484848
              4848484848484848484848484848484848484848484848484848484800030303
              030303036B48030303030303036B48030303030303036B480000486603030303
              0303030303030303030303030366484885030303030303030303030303030303
              0303854800030303030303000703030303030304070000000000486D1A030303
              0303030303030303030303030303031A6D4848741A0303030303030303030303
              030303030303031A744848778E86868686868686868686868686868686868686
              874800070403030303030307000004183434343434343434341804000000053B
              2626262626262626263B05000000062828282828282828282828060000000903
              0303030303030303030303030303030303030303030303030303030303030303
              030303030900480303030303876D6D8703030303030348484848484848484848
              4848484848484848484848484848484848484848484800484848484848484848
              4848484848484848484848484848484848484848484848480003030303030303
              6B48030303030303036B48030303030303036B48000048660303030303030303
              0303030303030303036648488503030303030303030303030303030303038548
              0003036C6C03030007030303030303040700000000004854661A030303030303
              030303030303030303031A665448486B681A0303030303030303030303030303
              03031A686B484855818181818181818181818181818181818181818169480007
              040303030303030700008B04040404040404040404048B0000008C0505050505
              0505050505058C0000008D06060606060606060606068D000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09004803030303766B48486B7603030303034848484848484848484848484848
              4848484848484848484848484848484848480048484848484848484848484848
              484848484848484848484848484848484848484800030303030303036B480303
              03030303036B48878787878787876D4800004866030303030303030303030303
              0303030303664848850303030303030303030303030303030303854800034848
              6C03030007030303030303040700000000000363546D75757575757575757575
              7575757575756D54630303636B7474747474747474747474747474747474746B
              6303036355666666666666666666666666666666666666556303000704030303
              0303030700000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309004803
              03031A8548484848851A03030303484848484848484848484848484848484848
              4848484848484848484848484848004848484848484848484848484848484848
              4848484848484848484848484848484800030303030303036B48030303030303
              036B48878787878787876D480000486603030303030303030303030303030303
              0366484885030303030303030303030303030303030385480003484803030300
              0703030303030304070000000000030348484848484848484848484848484848
              4848484803030303484848484848484848484848484848484848484803030303
              4848484848484848484848484848484848484848030300070403030303030307
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000000000000903030303030303030303030303
              0303030303030303030303030303030303030303030303030900480303037647
              4848484847760303030348484848484848484848484848484848484848484848
              4848484848484848484800484848484848484848484848484848484848484848
              4848484848484848484848480007070707070707070707070707070707070707
              0707070707070707000048666203030303030303030303030303030362664848
              85620303030303030303030303030303036285480003036C6C03030007190303
              0303031807000000000000000404040404040404040404040404040404040404
              0000000005050505050505050505050505050505050505050000000006060606
              06060606060606060606060606060606000000078A04040404040C0700000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000000000000090303030303030303030303030303030303
              0303030303030303030303030303030303030303090048030303030303030303
              0303030303034848484848484848484848484848484848484848484848484848
              4848484848480048484848484848484848484848484848484848484848484848
              4848484848484848000303030303030303078989898989898989890303030303
              0303030700004866860303030303030303030303030303038666484855870303
              03030303030303030303030303875548000348486C0303000007070707070707
              000000000000000D0E0F030303030303030303030303030303030F0E0D000010
              1112121212121212121212121212121212121211100000068862030303030303
              0303030303030303030362880600000007070707070707000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000000000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309004803030303030303030303030303
              0303484848484848484848484848484848484848484848484848484848484848
              4848004848484848484848484848484848484848484848484848484848484848
              4848484800030303030303030307898989898989898989030303030303030307
              0000038467620303030303030303030303030362678403038466620303030303
              0303030303030303626684030003484803030300000000000000000000000000
              0000040E03030303030303030303030303030303030303030E04051112120303
              0303030303030303030303030303121211050623140303030303030303030303
              0303030303030303060600000000000000000000000000000000000000000000
              0000000000000000000000000000000000000000000000000000000000000000
              0000000000000903030303030303030303030303030303030303030303030303
              0303030303030303030303030900480303030303030303030303030303034848
              4848484848484848484848484848484848484848484848484848484848480048
              4848484848484848484848484848484848484848484848484848484848484848
              0003030303030303030703030303030303030703030303030303030700000348
              5567866203030303030303030362866755480303488566876203030303030303
              03036287668548030003036C6C030300030303036C6C036C6C036C6C0000040F
              03030303030303030303030303030303030303030F0405121203030303030303
              0303030303030303030303121205062A14030303030303030303030303030303
              0303030306060003484848484848484848480303484848484848484848480300
              036277546B6B6B6B6B5477620000000000000000000000000000000000000000
              0000090303030303030303030303030303030303030303030303030303030303
              0303030303030303090048030303030303030303030303030303484848484848
              4848484848484848484848484848484848484848484848484848004848484848
              4848484848484848484848484848484848484848484848484848484800030303
              0303030303070303030303030303070303030303030303070000030348846666
              6666666666666666666666844803030303488455858585858585858585858555
              84480303000348486C03030003030348486C48486C48486C0000040303030303
              0303030303030303030303030303030303040512030303030303030303030303
              0303030303030303120506141403030303030303030303030303030303030303
              03060048556767676767676767554848556A6A6A6A6A6A6A6A554800626D6348
              4848484863556A77000000000000000000000000000000000000000000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309004803030303030303030303030303030348484848484848484848
              4848484848484848484848484848484848484848484800484848484848484848
              4848484848484848484848484848484848484848484848480003030303030303
              0307030303030303030307030303030303030307000003030303484848484848
              4848484848484803030303030303034848484848484848484848484803030303
              0003484803030300030303484803484803484803000004030303030303030303
              0303030303030303030303030304051203030303030303030303030303030303
              0303030312050614140303030303030303030303030303030303030303060048
              6775747474747474756748486A75747474747474756A4800556C760303030303
              1A54555400000000000000000000000000000000000000000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              0900480303030303030303030303030303034848484848484848484848484848
              4848484848484848484848484848484848480048484848484848484848484848
              4848484848484848484848484848484848484848000303030303030303070303
              0303030303030703030303030303030700000103171717171717171717171717
              171717171703010203070707070707070707070707070707070703020003036C
              6C030300030303030303036C6C036C6C00000403030303030303030303030303
              0303030303030303030405120303030303030303030303030303030303030303
              1205061414030303030303030303030303030303030303030306004867740303
              03030303746748486A74030303030303746A4800636B030303030303031A636B
              0000000000000000000000000000000000000000000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000303
              0303030303030303030303030303474848484848484848484848484848474748
              4848484848484848484848484847006D4848484848484848486D6D4848484848
              484848486D6D4848484848484848486D00030303030303030307030303030303
              0303071414141414141482830000010303030303030303030303030303030303
              030301020303030303030303030303030303030303030302000348486C030300
              03030303030348486C48486C0000040303030303030303030303030303030303
              0303030303040512030303030303030303030303030303030303030312050614
              1403030303030303030303030303030303030303030600486774030303030303
              746748486A74030303030303746A4800486B0303030303030303486B00000000
              0000000000000000000000000000000000000903030303030303030303030303
              0303030303030303030303030303030303030303030303030900030303030303
              0303030303030303030381474848484848484848484848484781814748484848
              4848484848484848478100766D484848484848486D76766D484848484848486D
              76766D484848484848486D760003030303030303030703030303030303030714
              1414141414148283000001030303030303030303030303030303030303030102
              0303030303030303030303030303030303030302000348480303030003030303
              0303484803484803000004030303030303030303030303030303030303030303
              0304051203030303030303030303030303030303030303031205061414030303
              0303030303030303030303030303030303060048677403030303030374674848
              6A74030303030303746A4800486B0303030303030303486B0000000000000000
              0000000000000000000000000000090303030303030303030303030303030303
              0303030303030303030303030303030303030303090003030303030303030303
              0303030303030505050505050505050505050505050506060606060606060606
              0606060606060003030303040404030303030303030305050503030303030303
              0306060603030303000000000000000000000000000000000000000000000000
              0000000000000103030303030303030303030303030303030303010203030303
              0303030303030303030303030303030200030303030303000303030303030303
              03036C6C00000403030303030303030303030303030303030303030303040512
              0303030303030303030303030303030303030303120506141403030303030303
              030303030303030303030303030600486774030303030303746748486A740303
              03030303746A4800486B0303030303030303486B004848484848484848484848
              4848484848484800000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309000303030303030303030303030303
              030305257D7D7D7D7D7D7D7D7D7D7D7D2505067E7F7F7F7F7F7F7F7F7F7F7F7F
              7E0600030303040407040403030303030305057B050503030303030306068006
              0603030300484848484848484848484848484848484848484848484848484848
              0000010303030303030303030303030303030303030301020303030303030303
              030303030303030303030302000303030303030003030303030303030348486C
              0000040303030303030303030303030303030303030303030304051203030303
              0303030303030303030303030303030312050614140303030303030303030303
              0303030303030303030600486774030303030303746748486A74030303030303
              746A4800486B0303030303030303486B00480303030303030348480303030303
              0303480000000903030303030303030303030303030303030303030303030303
              03030303030303030303030309000A030303030303030303030303030303057C
              7C7C7C7C7C7C7C7C7C7C7C7C7C05067979797979797979797979797979060003
              030404087A080404030303030505403A4005050303030306067B4B7B06060303
              0048030303030303034848030303030303034848030303030303034800000103
              0303030303030303030303030303030303030102030303030303030303030303
              0303030303030302000303030303030003030303030303030348480300000403
              0303030303030303030303030303030303030303030405120303030303030303
              0303030303030303030303031205061414030303030303030303030303030303
              0303030303060048676D0303030303036D674848697503030303030375694800
              48541A0303030303030348540048030303030303034848030303030303034800
              0000090303030303030303030303030303030303030303030303030303030303
              030303030303030309000A030303030303030303030303030303057878787878
              787878787878787878050679797979797979797979797979790600030404717A
              7A7A71040403030505721C1C1C720505030306067B5757577B06060300480303
              0303030303484803030303030303484803030303030303480000010303030303
              0303030303030303030303030303010203030303030303030303030303030303
              0303030200030303030303000303030303030303030303030000040303030303
              0303030303030303030303030303030303040512030303030303030303030303
              0303030303030303120506141403030303030303030303030303030303030303
              03060048666A6D747474746D6A66484868697574747474756968480063676A1A
              0303030303766377004803030303030303484803030303030303480000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309000A030303030303030303030303030303056E6E6E6E6E6E6E6E6E
              6E6E6E6E6E05066F6F6F6F6F6F6F6F6F6F6F6F6F6F0600040471707070707071
              0404050572121212121272050506067357575757577306060048030303030303
              0348480303030303030348480303030303030348000001030303030303030303
              0303030303030303030301020303030303030303030303030303030303030302
              0003030303030300030303030303030303030303000004030303030303030303
              0303030303030303030303030304051203030303030303030303030303030303
              0303030312050614140303030303030303030303030303030303030303060003
              6366676767676767666303036368696A6A6A6A6968630300555467546B6B6B6B
              6B6C6D6200480303030303030348480303030303030348000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09000A030303030303030303030303030303056E6E6E6E6E6E6E6E6E6E6E6E6E
              6E05066F6F6F6F6F6F6F6F6F6F6F6F6F6F0600041F707070707070707104051B
              12121212121212720506405E5E5E5E5E5E5E7306004803030303030303484803
              0303030303034848030303030303034800000103030303030303030303030303
              0303030303030102030303030303030303030303030303030303030200030707
              0303030003030303030303030303030300000403030303030303030303030303
              0303030303030303030405120303030303030303030303030303030303030303
              1205061414030303030303030303030303030303030303030306000303484848
              4848484848030303034848484848484848030300625563484848484863556203
              0048030303030303034848030303030303034800000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000A03
              0303030303030303030303030303056464646464642727646464646464050665
              65656565651E1E65656565656506000434616161616161616104055B2B2B2B2B
              2B2B2B2B05062B64646464646464640600480303030303030348480303030303
              0303484803030303030303480000010303030303030303030303030303030303
              0303010203030303030303030303030303030303030303020003070703030300
              0303030303030303030303030000040303030303030303030303030303030303
              0303030303040512030303030303030303030303030303030303030312050614
              1403030303030303030303030303030303030303030600000101010101010101
              0101000002020202020202020202000003030303030303030303030300480303
              0303030303484803030303030303480000000903030303030303030303030303
              03030303030303030303030303030303030303030303030309000A0303030303
              035D5D03030303030303055E5E5E5E5E275F5F275E5E5E5E5E05065959595959
              25606025595959595906000431616161616161616104055B2B2B2B2B2B2B2B2B
              05062B5C5C5C5C5C5C5C5C060048030303030303034848030303030303034848
              0303030303030348000001030303030303030303030303030303030303030102
              0303030303030303030303030303030303030302000303030303030003030307
              0703070703070703000004030303030303030303030303030303030303030303
              0304051203030303030303030303030303030303030303031205061414030303
              0303030303030303030303030303030303060001080303030303030303080102
              5303030303030303035302000708070707070707074631030047545555555555
              5447475455555555555447000000090303030303030303030303030303030303
              030303030303030303030303030303030303030309000A0303030303563F3F56
              030303030303055757575727583F3F582757575757050659595959305A3F3F5A
              305959595906000431505050505050505004055B2F2F2F2F2F2F2F2F05062B5C
              5C5C5C5C5C5C5C06004803030303030303484803030303030303484803030303
              0303034800000103030303030303030303030303030303030303010203030303
              0303030303030303030303030303030200030707030303000303030707030707
              0307070300000403030303030303030303030303030303030303030303040512
              0303030303030303030303030303030303030303120506141403030303030303
              0303030303030303030303030306000103171717171717171703010203070707
              0707070707030200070824030303030307074603000347484848484847030347
              4848484848470300000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309000A03030303494A3F3F4A49030303
              0303054B4B4B274C4A3F3F4A4C274B4B4B05064D4D4D4E4F4A3F3F4A4F4E4D4D
              4D06000431505151515151505004053A443737373737444405062F4552525252
              5245450600484848484848484848484848484848484848484848484848484848
              0000010303030303030303030303030303030303030301020303030303030303
              0303030303030303030303020003070703030300030303030303030303030303
              0000040303030303030303030303030303030303030303030304051203030303
              0303030303030303030303030303030312050614140303030303030303030303
              0303030303030303030600010317030303030303170301020307030303030303
              0703020007190303030303030307070300010101010101010101020202020202
              0202020000000903030303030303030303030303030303030303030303030303
              03030303030303030303030309000A0303033F3F3F3F3F3F3F3F030303030527
              272740413F3F3F3F4140272727050642424243413F3F3F3F4143424242060004
              16181818181818181804053A444444444444444405062F454545454545454506
              000A0A0A0A0A0A0A0A0A07070707070707070707070707070707070700000103
              0303030303030303030303030303030303030102030303030303030303030303
              0303030303030302000303030303030003030303030307070307070300000403
              0303030303030303030303030303030303030303030405120303030303030303
              0303030303030303030303031205061414030303030303030303030303030303
              0303030303060001031703030303030317030102030703030303030307030200
              0703030303030303030307030001030303030303030102030303030303030200
              0000090303030303030303030303030303030303030303030303030303030303
              030303030303030309000A030303030303030303030303030303052D2D2D2D2D
              2D2D2D2D2D2D2D2D2D05063C3C3C3C3C3C3C3C3C3C3C3C3C3C06000416183D3D
              3D3D3D181804053A3B37373737373B3B05062F3E39393939393E3E06000A0303
              03030303030A0703030303030303070703030303030303070000010303030303
              0303030303030303030303030303010203030303030303030303030303030303
              0303030200030707030303000303030303030707030707030000040303030303
              0303030303030303030303030303030303040512030303030303030303030303
              0303030303030303120506141403030303030303030303030303030303030303
              0306000103170303030303031703010203070303030303030703020007030303
              0303030303030703000103030303030303010203030303030303020000000903
              0303030303030303030303030303030303030303030303030303030303030303
              0303030309000A03030303030303030303030303030305363636363636363636
              3636363636050633333333333333333333333333330600041634343434343434
              3404053A3B3B3B3B3B3B3B3B050622383838383838383806000A030303030303
              030A070303030303030307070303030303030307000001030303030303030303
              0303030303030303030301020303030303030303030303030303030303030302
              0003070703030300030303030303030303030303000004030303030303030303
              0303030303030303030303030304051203030303030303030303030303030303
              0303030312050614140303030303030303030303030303030303030303060001
              0317030303030303170301020307030303030303070302000703030303030303
              0303070300010303030303030301020303030303030302000000090303030303
              0303030303030303030303030303030303030303030303030303030303030303
              09000A0303030303030303030303030303030526262626262626262626262626
              260506333333333333333333333333333306000416343535353535343404051C
              3637373737373636050622383939393939383806000A030303030303030A0703
              030303030303070703030303030303070000010C030303030303030303030303
              03030303030C01020C03030303030303030303030303030303030C0200030303
              0303030003030303030303030307070300000403030303030303030303030303
              0303030303030303030405120303030303030303030303030303030303030303
              1205061414141414141414141414141414141414141414141406000103170303
              0303030317030102030703030303030307030200070303030303030303030703
              0001030303030303030102030303030303030200000009030303030303030303
              0303030303030303030303030303030303030303030303030303030309000A03
              0303030303030303030303030303052F2F2F2F2F2F2F2F2F2F2F2F2F2F050630
              303030303030303030303030300600040F313131313131313104051C2D2D2D2D
              2D2D2D2D050622323232323232323206000A030303030303030A070303030303
              0303070703030303030303070000000B03030303030303030303030303030303
              030B000001030303030303030303030303030303030301000003070703030300
              0303030303030303030707030000040F03030303030303030303030303030303
              030303030F040512120303030303030303030303030303030303031212050614
              14141414141414141414141414141414141414142A0600011617030303030303
              1716010216070303030303030716020007030303030303030303070300010303
              0303030303010203030303030303020000000903030303030303030303030303
              03030303030303030303030303030303030303030303030309000A0303030303
              03030303030303030303052B2B2B2B2B2B2B2B2B2B2B2B2B2B05062C2C2C2C2C
              2C2C2C2C2C2C2C2C2C0600040F161616161616161604051C2D2D2D2D2D2D2D2D
              0506222E2E2E2E2E2E2E2E06000A030303030303030A07030303030303030707
              0303030303030307000000011F0303030303030303030303030303031F010000
              0215030303030303030303030303030303150200000307070303030003030303
              03030303030303030000040E0303030303030303030303030303030303030303
              0E04051112120303030303030303030303030303030312121105061314141414
              1414141414141414141414141414141423060001151F1717171717171F150102
              170A0707070707070A1702000718030303030303032407030001030303030303
              0301020303030303030302000000090303030303030303030303030303030303
              030303030303030303030303030303030303030309000A030303030303030303
              0303030303030512121212121212121212121212120506252525252525252525
              25252525250600040F0F0F0F0F0F0F0F0F04051C262727272727272705062228
              2929292929292906000A030303030303030A0703030303030303070703030303
              0303030700000000010B0C03030303030303030303030C0B010000000002010C
              03030303030303030303030C0102000000030303030303000303030303030303
              030303030000000D0E0F030303030303030303030303030303030F0E0D000010
              1112121212121212121212121212121212121211100000061314141414141414
              1414141414141414141414130600000001151603030303161501000002171603
              030303161702000007071803030303031908080300011903030303031901021A
              03030303031A0200000009030303030303030303030303030303030303030303
              0303030303030303030303030303030309000303030303030303030303030303
              0303051B1C1C1C1C1C1C1C1C1C1C1C1C1B05061D1E1E1E1E1E1E1E1E1E1E1E1E
              1D0600041F030303030303031F0405201C1C1C1C1C1C1C200506212222222222
              22222106000A030303030303030A070303030303030307070303030303030307
              0000000000000101010101010101010101010100000000000000000202020202
              0202020202020202000000000003030303030300030303030303030303030303
              0000000004040404040404040404040404040404040404040000000005050505
              0505050505050505050505050505050500000000060606060606060606060606
              0606060606060606000000000001010101010101010000000002020202020202
              0200000007070707070707070707070300000101010101010100000202020202
              0202000000000809090909090909090909090909090909090909090909090909
              0909090909090909090909090800030303030303030303030303030303030505
              0505050505050505050505050505060606060606060606060606060606060004
              0404040404040404040405050505050505050505050606060606060606060606
              000A0A0A0A0A0A0A0A0A0707070707070707070707070707070707070000}
            Name = 'MASTER.BMP'
            PropertyName = 'MASTERBITMAP'
            Left = 0
            Top = 0
            Right = 0
            Bottom = 0
            ImageCount = 0
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 137
            Top = 0
            Right = 161
            Bottom = 24
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 50
            Top = 0
            Right = 62
            Bottom = 24
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONCLOSE'
            Left = 236
            Top = 39
            Right = 305
            Bottom = 75
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONMAX'
            Left = 137
            Top = 45
            Right = 206
            Bottom = 81
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONMIN'
            Left = 64
            Top = 55
            Right = 133
            Bottom = 91
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONNORM'
            Left = 207
            Top = 76
            Right = 276
            Bottom = 112
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONHELP'
            Left = 277
            Top = 76
            Right = 346
            Bottom = 112
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORM'
            Name = 'MASTER.BMP'
            PropertyName = 'TITLEBUTTON'
            Left = 134
            Top = 82
            Right = 203
            Bottom = 118
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'FORMTITLE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 0
            Right = 42
            Bottom = 42
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 49
            Top = 93
            Right = 58
            Bottom = 111
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONCLOSE'
            Left = 0
            Top = 93
            Right = 48
            Bottom = 125
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONNORM'
            Left = 204
            Top = 113
            Right = 252
            Bottom = 145
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENULINE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONMIN'
            Left = 253
            Top = 113
            Right = 301
            Bottom = 145
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'BOXCHECKED'
            Left = 147
            Top = 27
            Right = 195
            Bottom = 44
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'BOXUNCHECKED'
            Left = 92
            Top = 150
            Right = 140
            Bottom = 167
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'BOXGRAYED'
            Left = 0
            Top = 160
            Right = 48
            Bottom = 177
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'RADIOCHECKED'
            Left = 49
            Top = 168
            Right = 97
            Bottom = 185
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'RADIOUNCHECKED'
            Left = 98
            Top = 168
            Right = 146
            Bottom = 185
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'SMALLCHECKED'
            Left = 211
            Top = 169
            Right = 247
            Bottom = 181
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'GLOBALINFO'
            Name = 'MASTER.BMP'
            PropertyName = 'SMALLUNCHECKED'
            Left = 248
            Top = 169
            Right = 284
            Bottom = 181
            ImageCount = 3
            MaskType = 0
            BorderWidth = 0
          end
          item
            SectionName = 'BUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 44
            Right = 63
            Bottom = 92
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BUTTON_BIG'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 0
            Right = 136
            Bottom = 54
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'EDIT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 196
            Top = 0
            Right = 235
            Bottom = 39
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end
          item
            SectionName = 'COMBOBOX'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 236
            Top = 0
            Right = 284
            Bottom = 38
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PANEL'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 50
            Top = 25
            Right = 59
            Bottom = 43
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PANEL_LOW'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 137
            Top = 25
            Right = 146
            Bottom = 43
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'GROUPBOX'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 162
            Top = 0
            Right = 174
            Bottom = 24
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'GAUGE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 44
            Right = 21
            Bottom = 68
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end
          item
            SectionName = 'PROGRESSH'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 334
            Top = 57
            Right = 343
            Bottom = 75
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PROGRESSV'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 334
            Top = 57
            Right = 343
            Bottom = 75
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TRACKBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'SLIDERMASK'
            Left = 285
            Top = 0
            Right = 318
            Bottom = 38
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TRACKBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'SLIDERVMASK'
            Left = 211
            Top = 146
            Right = 268
            Bottom = 168
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TRACKBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'SLIDERCHANNEL'
            Left = 285
            Top = 175
            Right = 309
            Bottom = 187
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'STATUSBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 119
            Top = 92
            Right = 128
            Bottom = 110
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'STATUSBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 50
            Top = 0
            Right = 62
            Bottom = 24
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'DIVIDER'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 111
            Top = 129
            Right = 117
            Bottom = 147
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'WEBBUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 92
            Right = 118
            Bottom = 128
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TOOLBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 49
            Top = 93
            Right = 58
            Bottom = 111
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TOOLBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 43
            Top = 0
            Right = 49
            Bottom = 32
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TOOLBUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 92
            Right = 118
            Bottom = 128
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SPEEDBUTTON'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 64
            Top = 92
            Right = 118
            Bottom = 128
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'DRAGBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 49
            Top = 93
            Right = 58
            Bottom = 111
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'DRAGBAR'
            Name = 'MASTER.BMP'
            PropertyName = 'GRIPIMAGE'
            Left = 43
            Top = 0
            Right = 49
            Bottom = 32
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BAR'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 50
            Top = 25
            Right = 59
            Bottom = 43
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BARTITLE'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 175
            Top = 0
            Right = 193
            Bottom = 18
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'BARTITLE'
            Name = 'MASTER.BMP'
            PropertyName = 'BICONCLOSE'
            Left = 0
            Top = 93
            Right = 48
            Bottom = 125
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABSHEET'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 193
            Top = 119
            Right = 202
            Bottom = 137
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'PAGECONTROL'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 193
            Top = 119
            Right = 202
            Bottom = 137
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABCONTROL'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 193
            Top = 119
            Right = 202
            Bottom = 137
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABTOP'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 113
            Right = 347
            Bottom = 143
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABBOTTOM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 119
            Top = 119
            Right = 164
            Bottom = 149
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABLEFT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 0
            Top = 126
            Right = 45
            Bottom = 156
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'TABRIGHT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 46
            Top = 129
            Right = 91
            Bottom = 159
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNTOP'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 319
            Top = 38
            Right = 346
            Bottom = 56
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNBOTTOM'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 207
            Top = 40
            Right = 234
            Bottom = 58
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNLEFT'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 306
            Top = 57
            Right = 333
            Bottom = 75
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBTNRIGHT'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 165
            Top = 119
            Right = 192
            Bottom = 137
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 165
            Top = 146
            Right = 210
            Bottom = 176
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERV'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 207
            Top = 59
            Right = 231
            Bottom = 75
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 165
            Top = 146
            Right = 210
            Bottom = 176
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLSLIDERH'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 269
            Top = 146
            Right = 293
            Bottom = 162
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR1H'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR1V'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR2H'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'SCROLLBAR2V'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 0
            Right = 346
            Bottom = 18
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MENUITEM'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 92
            Top = 129
            Right = 110
            Bottom = 147
            ImageCount = 2
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'MAINMENU'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 196
            Top = 0
            Right = 235
            Bottom = 39
            ImageCount = 1
            MaskType = 0
            BorderWidth = 1
          end
          item
            SectionName = 'SELECTION'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 101
            Top = 129
            Right = 110
            Bottom = 147
            ImageCount = 1
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'COLHEADER'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 319
            Top = 19
            Right = 346
            Bottom = 37
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'UPDOWN'
            Name = 'MASTER.BMP'
            PropertyName = 'BORDERSMASK'
            Left = 302
            Top = 144
            Right = 347
            Bottom = 174
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
          item
            SectionName = 'UPDOWN'
            Name = 'MASTER.BMP'
            PropertyName = 'GLYPHMASK'
            Left = 319
            Top = 38
            Right = 346
            Bottom = 56
            ImageCount = 3
            MaskType = 1
            BorderWidth = 0
          end
        >
        Patterns = <
        >
        MasterBitmap.Data = {
          9A1D0100424D9A1D01000000000036040000280000005C010000CF0000000100
          0800000000006419010000000000000000000001000000000000FF00FF00A484
          800084534C00FFFFFF00A070680056A0C8003E769E00C0958E00CEAFA900B688
          8000E3C9C400B8A4A000E9DFDE00A4766E00E4D3CF00FEFCFB005FA2C800BBE1
          EF00E2FAFF0028699A00145C9600CEBDBB00FDF8F800C0A9A600F8ECEA00F7F2
          F100EFEFEF00CBE9F300E8FAFF0074BBEA008ACFFA00DCCFCD00AED9EC0099C2
          DC00D3EFFD00326F9C00D8C1BD0085CCFA00D2F3FF00C1F0FF00B0DFFB0090D2
          FB00195F9700DEF8FF0084CBFA00C6F1FF0093D4FB00DAF7FF0082CAFA00FBF5
          F40097D6FB007DC7F900FAF1EF00CCA8A200CCF2FF006FB1D3009CDAFC0065AC
          D200EDFBFE00D0F4FF0076C4F900CBA7A100A0DDFB0044221800B1D6E8004F31
          280073C2F9006BB1E000D5F6FF00A5E0FD00C39E91001010100000000000BCAF
          AC0047261C00BDEBFE00B6C3C80070C2FA0079C5F900A6BBC700F6E7E400CBA6
          9D0067ADD200B59B96005252520063636300AB9E9B00B7EAFE00B2B1B9006CBE
          F90099A8B200F2FDFF00ABE3FD00A0898400B3E9FE00A5A5A5008B9AA200F4E2
          DE00F7F7F70008080800AEE6FE0068C1FA00737373008C8C8C006B6B6B007B7B
          7B00848484004A4A4A00191919003A3A3A00A1E8FF0061BBF900F3DCD800D1B0
          A900ACD6E90084BCDA002929290031313100DEDEDE00949494009BE5FF005BB7
          F900EFD8D20089BED90094E3FF008EE0FF0056A8E30058B3F8006CA2C100ADAD
          AD00BFD9E3009F919000424242005A5A5A00D6D6D600CECECE0088AAC1008CDF
          FF00AD807000B5918B0091ABBF008595AA00BDBDBD00BBD2DB00B5B5B500C5C5
          C500AF867F00924F3700863A1E00C7D7DB008C4C3500B0CAD700212121009C60
          4A00A06855009CD2ED008A5A4A008C615300AB77660095766F00894025009A9F
          A300BC86700093807A0099B6C4009C9C9C00EDDAD600437FA90061A7D70065AB
          DC007A524A0084C9F600674E47007FC9FA0058453F00273D4E00C2A49E005638
          2F005F474000563B3400141E280022334100D0DEE300243441001F31400058B4
          F800679FC8008AC7E200513A3400A7EBFF0079B7E2006BC0F3006FC7FB00B070
          4C00DCEAF0005B8FB200656F7400325C7C007A625B007F76740044657C0080CC
          FB007A7574003C617C00776E6B006DADD4003C5C7400755C5400817774008671
          6B006289A50019252F005C3E3500597C96004A7BA0005181A6008CD2ED002F47
          5B0098D0E6007B8A90004F8FBA004474950077B4D60064ABDC0085787400A6D4
          E8007DA7C200E6E6E60080B5D4009A837F004F99CF00A98E8900C5A6A300AEA7
          B0006D8BA600D8B8AE007990A8004F87AD009B5B430042444C0092D2F700DCAD
          9800D7A08500CC8A6C00C2734D00BF7F62002C323A00CB957D00B7684500AD5F
          3D00A15433003C3F470096492B00000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000003474848484848484848470303474848484848484848470300
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000004748484848484848484848474748484848484848484848470000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000048
          4848484848484848484848484848484848484848484848000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000004848484848
          4848484848484848484848484848484848484800000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000E8920D040D92E800000000000000000058
          E2100510E258000000000000000000E9EAD606D6EAE900000000000000000000
          E8920D040D92E800000000000000000058E2100510E258000000000000000000
          E9EAD606D6EAE900000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000474848484848484848
          4848474748484848484848484848470000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000008B922419031924928B000000000000008837402B1C2B
          40378800000000000000ECED7B284B287BEDEC00000000000000008B92241903
          1924928B000000000000008837402B1C2B40378800000000000000ECED7B284B
          287BEDEC00000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000003474848484848484848470303
          4748484848484848484703000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000008B8B310F0F0F0F0F318B8B000000000088DE2B1C1C1C1C1C2BDE88
          0000000000ECC35E57575757575EC3EC0000000000008B8B310F0F0F0F0F318B
          8B000000000088DE2B1C1C1C1C1C2BDE880000000000ECC35E57575757575EC3
          EC00000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000007070707070707070707000004040404
          0404040404040000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          E892191650078A0750161992E800000058CD2F12C28B8A8BC2122FCD58000000
          E9ED5C5E20839F83205E5CEDE900000000E89219161616161616161992E80000
          0058CD2F121212121212122FCD58000000E9ED5C5E5E5E5E5E5E5E5CEDE90000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000001F00000000000000000000001F0000000000000000000000240000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000007500F0F0F0F0F0F0F0F5007040C0F0F0F0F0F0F0F
          0F0C040000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000092243150
          EEFCFCFCEE50312492000000E2E12BC2EEFCFCFCEEC22BE1E2000000EAE46420
          EEFCFCFCEE2064E4EA0000000092243131313131313131312492000000E2E12B
          2B2B2B2B2B2B2B2BE1E2000000EAE4646464646464646464E4EA000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          249E08000000000000000000249E080000000000000000004955560000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000007313131313131313131310704313131313131313131310400
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000D503146FAFAFAFA
          FA4631500D00000010222F46FAFAFAFAFA462F2210000000D63E5C83FAFAFAFA
          FA835C3ED6000000000D50313131313131313131500D00000010222F2F2F2F2F
          2F2F2F2F2210000000D63E5C5C5C5C5C5C5C5C5C3ED600000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000001FEE949324
          000000000000001FEE9493240000000000000015FBB4F6490000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000734343434343434343434070434343434343434343434040000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000043434F7F9F5C1F9F9F73434
          040000000544448BF9F5C1F9F98B444405000000064545E7F9F5C1F9F9E74545
          0600000000043434343434343434343434040000000544444444444444444444
          4405000000064545454545454545454545060000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000A9994A094990A000000
          00000A9994A094990A000000000015EFB4D3B4EF150000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000007
          A65050505050505050A607040E50505050505050500E04000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000D6118F1F7EBEBF8F8F118610D000000
          102D3BB0F7EBEBF8F8B03B2D10000000D6323E56F7EBEBF8F8563E32D6000000
          000D61181818181818181818610D000000102D3B3B3B3B3B3B3B3B3B2D100000
          00D6323E3E3E3E3E3E3E3E3E32D6000000000000000000000000000000000000
          0000000348484848484848484848484848030348484848484848484848484848
          0303484848484848484848484848480300009A94EE00EE949E00000000009A94
          EE00EE949E000000000085B4EF00EFB485000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000007070707
          0707070707070000040404040404040404040000000000000000000000000000
          0000000000000000000000000000000000000000000000000000008B04040404
          040404040404048B0000008C05050505050505050505058C0000008D06060606
          060606060606068D0000000092EB1861F3F2F3F4F56118EB92000000E29B361B
          F3F2F3F4F51B369BE2000000EADE389BA2F2F3F4F59B38DEEA0000000092EB18
          1818181818181818EB92000000E29B3636363636363636369BE2000000EADE38
          3838383838383838DEEA00000000000000000000000000000000000000000048
          6D84757575757575757575846D48486D75747474747474747474756D484854A5
          5F5F5F5F5F5F5F5F5FA56B48000000EE0000009694070000000000EE00000096
          94070000000000EF000000F6B46A000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000040F03030303030303
          03030F04000000053A5B5B5B5B5B5B5B5B5B3A0500000006363B3B3B3B3B3B3B
          3B3B360600000000E892615070F1F2F170506192E800000058522D2D1B085108
          1B2D2D5258000000E9EDF0329B0B530B9B32F0EDE900000000E8926150505050
          5050506192E800000058522D2D2D2D2D2D2D2D2D5258000000E9EDF032323232
          323232F0EDE90000000000000000000000000000000000000000004884860303
          0303030303030386844848758603030303030303030386754848817603030303
          0303030303031A480000000000000000A09408000000000000000000A0940800
          0000000000000000D3B4A5000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000003484848484848484848484848480303484848484848484848484848
          48030348484848484848484848484848030000040F0F0F0F0F0F0F0F0F0F0F04
          000000053A1C1C1C1C1C1C1C1C1C3A0500000006365757575757575757573606
          00000000008B0961505050505061098B00000000008837272D2D2D2D2D273788
          0000000000ECDCF02E2E2E2E2EF0DCEC0000000000008B096150505050506109
          8B00000000008837272D2D2D2D2D2737880000000000ECDCF02E2E2E2E2EF0DC
          EC00000000000000000000000000000000000000000000487503030303030303
          0303030375484874030303030303030303030374484890760303030303030303
          0303034800000000000000000094A00000000000000000000094A00000000000
          0000000000B4D300000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          486B75757575757575757575756B484884747474747474747474747484484887
          5F5F5F5F5F5F5F5F5F5F5F77480000040F1616161616161616160F0400000005
          1C1212121212121212121C0500000006365E5E5E5E5E5E5E5E5E360600000000
          00008B92EBA661A6EB928B000000000000008852DA572757DA52880000000000
          0000ECEDCDAB29ABCDEDEC00000000000000008B92EBA661A6EB928B00000000
          0000008852DA572757DA528800000000000000ECEDCDAB29ABCDEDEC00000000
          0000000000000000000000000000000000000048750303030303030303030303
          7548487403030303030303030303037448489076030303030303030303030348
          0000000000000000009EEE000000000000000000009EEE000000000000000000
          0068EF0000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000048750303
          0303030303030303037548487403030303030303030303037448489076030303
          0303030303030303480000040F3131E7E5E5E5E731310F04000000051C2B2B83
          E5E5E5832B2B1C05000000062D646483E5E5E58364642D0600000000000000E8
          920D040D92E800000000000000000058E2100510E258000000000000000000E9
          EAD606D6EAE900000000000000000000E8920D040D92E8000000000000000000
          58E2100510E258000000000000000000E9EAD606D6EAE9000000000000000000
          0000000000000000000000000000004875030303030303030303030375484874
          0303030303030303030303744848907603030303030303030303034800000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000004875030303030303
          0303030303754848740303030303030303030303744848907603030303030303
          03030303480000041631315D5D5D5D5D3131160400000005122F2F5D5D5D5D5D
          2F2F120500000006275C5C5D5D5D5D5D5C5C2706000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000487503030303030303030303037548487403030303
          0303030303030374484890760303030303030303030303480000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000487503030303030303030303
          0375484874030303030303030303030374484890760303030303030303030303
          48000004163434E7E7E7E7E73434160400000005124444E7E7E7E7E744441205
          000000064B4545E7E7E7E7E745454B0600000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000048750303030303030303030303754848740303030303030303
          0303037448489076030303030303030303030348000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000048750303030303030303030303754848
          7403030303030303030303037448489076030303030303030303030348000004
          3118188B8B8B8B8B18183104000000052B3B3B8B8B8B8B8B3B3B2B0500000006
          4B3E3E8B8B8B8B8B3E3E4B060000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000004875030303030303030303030375484874030303030303030303030374
          4848907603030303030303030303034800766D48484848484848484848489876
          03030303766D4848484848484848484848987603030303766D48484848484848
          4848484898760303030300000000000000000000000000000000000000000000
          0000000000000000000000004875030303030303030303030375484874030303
          03030303030303037448489076030303030303030303030348000004311818B0
          535353B018183104000000052F36360B5353530B36362F05000000065738380B
          5353530B38385706000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000048
          7503030303030303030303037548487403030303030303030303037448489076
          030303030303030303030348006D484848484848484848484848489876030303
          6D4848484848484848484848484898760303036D484848484848484848484848
          4898760303030000000000000000000000000000000000000000000000000000
          0000000000000000487503030303030303030303037548487403030303030303
          0303030374484890760303030303030303030303480000043150505050505050
          50503104000000052F2D2D2D2D2D2D2D2D2D2F05000000065E32323232323232
          32325E0600000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000004875030303
          03030303030303037548487403030303030303030303037448485F861A1A1A1A
          1A1A1A1A1A1A1A48004848484848484848484848484848489876030348484848
          4848484848484848484848987603034848484848484848484848484848489876
          0303000000000000000000000000000000000000000000000000000000000000
          0000000048750303030303030303030303754848740303030303030303030303
          7448489076030303030303030303030348000004345050505050505050503404
          00000005442D2D2D2D2D2D2D2D2D440500000006282E2E2E2E2E2E2E2E2E2806
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000008B04040404040404040404048B0000008C
          05050505050505050505058C0000008D06060606060606060606068D00000000
          0000000000000000000000000000000000000000000000487503030303030303
          03030303754848740303030303030303030303744848778E8686868686868686
          8686864800484848484848484848484848484848489876034848484848484848
          4848484848484848987603484848484848484848484848484848489876030000
          0000000000000000000000000000000000000000000000000000000000000000
          4875030303030303030303030375484874030303030303030303030374484890
          7603030303030303030303034800000418343434343434343434180400000005
          3B2626262626262626263B050000000628282828282828282828280600000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000040F0303030303030303030F04000000053A5B5B5B
          5B5B5B5B5B5B3A0500000006363B3B3B3B3B3B3B3B3B36060000000000000000
          0000000000000000000000000000000000000048848603030303030303030386
          8448487586030303030303030303867548486981818181818181818181815F48
          0048484848484848484848484848484848489876484848484848484848484848
          4848484848987648484848484848484848484848484848489876000000000000
          0000000000000000000000000000000000000000000000000000000048750303
          0303030303030303037548487403030303030303030303037448485F861A1A1A
          1A1A1A1A1A1A1A1A4800008B04040404040404040404048B0000008C05050505
          050505050505058C0000008D06060606060606060606068D0000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000040F0F0F0F0F0F0F0F0F0F0F04000000053A1C1C1C1C1C1C1C
          1C1C3A0500000006365757575757575757573606000000000000000000000000
          000000000000000000000000000000486D84757575757575757575846D48486D
          75747474747474747474756D4848846666666666666666666666844800484848
          4848484848484848484848484848486D48484848484848484848484848484848
          48486D4848484848484848484848484848484848486D00000000000000000000
          0000000000000000000000000000000000000000000000004875030303030303
          0303030303754848740303030303030303030303744848778E86868686868686
          8686868648000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000040F1616161616161616160F04000000051C1212121212121212121C05
          00000006365E5E5E5E5E5E5E5E5E360600000000000000000000000000000000
          0000000000000000000000034848484848484848484848484803034848484848
          4848484848484848030348484848484848484848484848030048484848484848
          4848484848484848484898764848484848484848484848484848484848987648
          4848484848484848484848484848484898760003030303030303030303030303
          0303030303030303030303000000000000000000487503030303030303030303
          0375484874030303030303030303030374484869818181818181818181818181
          4800000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000004
          0F3131313131313131310F04000000051C2B2B2B2B2B2B2B2B2B1C0500000006
          2D6464646464646464642D060000000000000000000000000000000000000000
          0000000000000000040404040404040404040404040000050505050505050505
          0505050500000606060606060606060606060600004848484848484848484848
          4848484848987603484848484848484848484848484848489876034848484848
          4848484848484848484848987603000348754875487503034875487548750303
          48754875487503000000000000000000486B75757575757575757575756B4848
          8474747474747474747474748448486666666666666666666666666648000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000416313131
          313131313131160400000005122F2F2F2F2F2F2F2F2F120500000006275C5C5C
          5C5C5C5C5C5C2706000000000000000000000000000000000000000000000000
          00000004B00F0303030303030303030FB004057B2B1212121212121212122B7B
          050606C2030303030303030303C2C30600484848484848484848484848484848
          9876030348484848484848484848484848484898760303484848484848484848
          4848484848489876030300034875487548750303487548754875030348754875
          4875030000000000000000000348484848484848484848484848030348484848
          4848484848484848480303484848484848484848484848480300000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000484848484848484848484848484803484848484848484848
          4848484848034848484848484848484848484848030000041634343434343434
          3434160400000005124444444444444444441205000000064B45454545454545
          45454B0600000000000000000000000000000000000000000000000000000004
          0F03030303030303030303030F04052B12030303030303030303122B05062A14
          030303030303030303030606006D484848484848484848484848489876030303
          6D4848484848484848484848484898760303036D484848484848484848484848
          4898760303030003487548754875030348754875487503034875487548750300
          0000000000000000000404040404040404040404040400000505050505050505
          0505050505000006060606060606060606060606000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000006666666666666666666666666684486C6C6C6C6C6C6C6C6C6C6C6C98
          75486C6C6C6C6C6C6C6C6C6C6C6C746D48000004311818181818181818183104
          000000052B3B3B3B3B3B3B3B3B3B2B05000000064B3E3E3E3E3E3E3E3E3E4B06
          0000000000000000000000000000000000000000000000000000000403030303
          0303030303030303030405120303030303030303030303120506141403030303
          030303030303030600766D4848484848484848484848987603030303766D4848
          484848484848484848987603030303766D484848484848484848484898760303
          0303000348754875487503034875487548750303487548754875030000000000
          0000000004190303030303030303030303190405221212121212121212121212
          2205060603030303030303030303038F06000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          030303030303030303030303E366480303030303030303030303867598480303
          0303030303030303030387744800000431181818181818181818310400000005
          2F3636363636363636362F050000000657383838383838383838570600000000
          0000000000000000000000000000000000000000000000040303030303030303
          0303030303040512030303030303030303030312050614140303030303030303
          0303030600040404040404040404040404040404030303030505050505050505
          0505050505050503030303060606060606060606060606060606030303030003
          4875487548750303487548754875030348754875487503000000000000000000
          0403030303030303030303030303040512030303030303030303030312050614
          1403030303030303030303030600034848484848484848484848484848034848
          4848484848484848484848480348484848484848484848484848480003030303
          0303030303030303036648030303030303030303030303756C48030303030303
          030303030303036C48000004315050505050505050503104000000052F2D2D2D
          2D2D2D2D2D2D2F05000000065E3232323232323232325E060000000000000000
          0000000000000000000000000000000000000004030303030303030303030303
          0304051203030303030303030303031205061414030303030303030303030306
          00041F0F163134341818505061617104040303030520272D2D363B3B44442F2B
          2B7205050303030621292E3238383E45455C5C64730606030303000348754875
          4875030348754875487503034875487548750300000000000000000004030303
          0303030303030303030304051203030303030303030303031205061414030303
          030303030303030306004884666666666666666666666666664875986C6C6C6C
          6C6C6C6C6C6C6C6C486D746C6C6C6C6C6C6C6C6C6C6C6C000303030303030303
          03030303036648030303030303030303030303756C4803030303030303030303
          0303036C4800000434505050505050505050340400000005442D2D2D2D2D2D2D
          2D2D440500000006282E2E2E2E2E2E2E2E2E2806000000000000000000000000
          0000000000000000000000000000000403030303030303030303030303040512
          030303030303030303030312050614140303030303030303030303060004030F
          16313434181850506161707104040303051C272D2D363B3B44442F2B2B127205
          0503030622292E3238383E45455C5C645E730606030300030303030303030303
          0303030303030303030303030303030000000000000000000403030303030303
          0303030303030405120303030303030303030303120506141403030303030303
          0303030306004866E30303030303030303030303034898758603030303030303
          0303030348748703030303030303030303030300030303030303030303030303
          036648030303030303030303030303756C48030303030303030303030303036C
          48000004183434343434343434341804000000053B2626262626262626263B05
          0000000628282828282828282828280600000000000000000000000000000000
          0000000000000000000000040303030303030303030303030304051203030303
          0303030303030312050614140303030303030303030303060004030F16313534
          3D1851506161707071040403051C272D2D373B3744372F2B2B12127205050306
          22292E3239383945525C5C645E577B0606030003030303030303030303030303
          0303030303030303030303000000000000000000040303030303030303030303
          0303040512030303030303030303030312050614140303030303030303030303
          0600486603030303030303030303030303486C75030303030303030303030303
          486C030303030303030303030303030003030303030303030303030303664803
          0303030303030303030303756C48030303030303030303030303036C4800008B
          04040404040404040404048B0000008C05050505050505050505058C0000008D
          06060606060606060606068D0000000000000000000000000000000000000000
          0000000000000004030303030303030303030303030405120303030303030303
          03030312050614140303030303030303030303060004030F163135343D185150
          616170707A080404051C272D2D373B3744372F2B2B12121C4005050622292E32
          39383945525C5C645E57577B0606000307030703070303030503050305030303
          0503050305030300000000000000000004030303030303030303030303030405
          1203030303030303030303031205061414030303030303030303030306004866
          03030303030303030303030303486C75030303030303030303030303486C0303
          0303030303030303030303000303030303030303030303030366480303030303
          03030303030303756C48030303030303030303030303036C4800000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000403030303030303030303030303040512030303030303030303030312
          050614140303030303030303030303060004030F163135343D18515061617070
          7A7A0704051C272D2D373B3744372F2B2B12121C3A7B050622292E3239383945
          525C5C645E57574B800600030703070307030303050305030503030305030503
          0503030000000000000000000403030303030303030303030303040512030303
          0303030303030303120506141403030303030303030303030600486603030303
          030303030303030303486C75030303030303030303030303486C030303030303
          0303030303030300030303030303030303030303036648030303030303030303
          030303756C48030303030303030303030303036C480000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000004
          0303030303030303030303030304051203030303030303030303031205061414
          1414141414141414141414060004030F163135343D185150616170707A080404
          051C272D2D373B3744372F2B2B12121C4005050622292E3239383945525C5C64
          5E57577B06060003070307030703030305030503050303030503050305030300
          0000000000000000040303030303030303030303030304051203030303030303
          0303030312050614140303030303030303030303060048660303030303030303
          0303030303486C75030303030303030303030303486C03030303030303030303
          0303030003030303030303030303030303664803030303030303030303030375
          6C48030303030303030303030303036C48000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000403030303
          0303030303030303030405120303030303030303030303120506141414141414
          14141414141414060004030F163135343D1851506161707071040403051C272D
          2D373B3744372F2B2B1212720505030622292E3239383945525C5C645E577B06
          0603000307030703070303030503050305030303050305030503030000000000
          0000000004030303030303030303030303030405120303030303030303030303
          1205061414030303030303030303030306004866030303030303030303030303
          03486C75030303030303030303030303486C0303030303030303030303030300
          030303030303030303030303036648030303030303030303030303756C480303
          03030303030303030303036C4800000000000000000000000000000000000000
          0000000000000000000348484848484848484848484848030348484848484848
          4848484848480303484848484848484848484848480300040F03030303030303
          030303030F04052B12030303030303030303122B05062A141414141414141414
          14142A060004030F16313434181850506161707104040303051C262D2D363B3B
          44442F2B2B1272050503030622282E3238383E45455C5C645E73060603030003
          0703070307030303050305030503030305030503050303000000000000000000
          0403030303030303030303030303040512030303030303030303030312050614
          1414141414141414141414140600486603030303030303030303030303486C75
          030303030303030303030303486C030303030303030303030303030003030303
          0303030303030303036648030303030303030303030303756C48030303030303
          030303030303036C480000000000000000000000000000000000000000000000
          00000000004884666666666666666666666684484875986C6C6C6C6C6C6C6C6C
          987548486D746C6C6C6C6C6C6C6C6C746D480004B00F0303030303030303030F
          B004057B2B1212121212121212122B7B0506232A1414141414141414142A2306
          00041F0F0F0F16161616313131341F040403030305201C1C1C1C3A3A3A3A5B5B
          5B1B0505030303062122222222222F2F2F2B2B2B400606030303000307030703
          0703030305030503050303030503050305030300000000000000000004030303
          0303030303030303030304051203030303030303030303031205061414141414
          14141414141414140600486603030303030303030303030303486C7503030303
          0303030303030303486C03030303030303030303030303000303030303030303
          03030303E3664803030303030303030303038675984803030303030303030303
          0303877448000303030303030303030348484848484848030003030303487500
          004866E3030303030303030303E3664848987575757575757575757575984848
          7487030303030303030303877448000004040404040404040404040404000005
          0505050505050505050505050000060606060606060606060606060000040404
          0404040404040404040404040303030305050505050505050505050505050503
          0303030606060606060606060606060606060303030300030303030303030303
          0303030303030303030303030303030000000000000000000403030303030303
          0303030303030405120303030303030303030303120506141414141414141414
          141414140600486603030303030303030303030303486C750303030303030303
          03030303486C0303030303030303030303030300666666666666666666666666
          6684486C6C6C6C6C6C6C6C6C6C6C6C9875486C6C6C6C6C6C6C6C6C6C6C6C746D
          480003030303030303030348696A6A6A6A6A6948000303030348750000486603
          030303030303030303036648486C86030303030303030303866C48486C030303
          03030303030303036C4800000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000041903030303030303030303
          031904052212121212121212121212122205062A14141414141414141414142A
          0600486603030303030303030303030303486C75030303030303030303030303
          486C030303030303030303030303030048484848484848484848484848480348
          4848484848484848484848484803484848484848484848484848484803000303
          03030303030303486A03030303036A4800030303034875000048660303030303
          0303030303036648486C03030303030303030303036C48486C03030303030303
          030303036C480000000000000000000000000000000000000000000000000000
          000000000000000000000000000003030303030303030303030303030303766D
          4848484848484848484848486D76766D4848484848484848484848486D760003
          030303030303030303030303030303766D4848484848484848484848486D7676
          6D4848484848484848484848486D760000040404040404040404040404040000
          0505050505050505050505050500000606060606060606060606060600004866
          E303030303030303030303030348987586030303030303030303030348748703
          0303030303030303030303000707070707070707070707070707000505050505
          0505050505050505050004040404040404040404040404040000030303030303
          030303486A03030303036A480003030303487500004866030303030303030303
          03036648486C03030303030303030303036C48486C0303030303030303030303
          6C48000000000000000000000000000000000000000000000000000000000000
          00000000000000000000030303030303030303030303030303036D7548484848
          4848484848484848756D6D84484848484848484848484848846D000303030303
          03030303030303030303036D75484848484848484848484848756D6D84484848
          484848484848484848846D000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000488466666666
          6666666666666666664875986C6C6C6C6C6C6C6C6C6C6C6C486D746C6C6C6C6C
          6C6C6C6C6C6C6C00030303030303030303030303620807262626262626262626
          26262636BB050303030303030303030303030FB0040003030303030303030348
          6A03030303036A48000303030348750000486603030303030303030303036648
          486C03030303030303030303036C48486C03030303030303030303036C480000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000303030303030303030303030303030348484848484848484848
          4848484848484848484848484848484848484848484800030303030303030303
          0303030303030348484848484848484848484848484848484848484848484848
          4848484848484800486603030303030303030303036648486C03030303030303
          030303036C48486C03030303030303030303036C480003484848484848484848
          4848484848034848484848484848484848484848034848484848484848484848
          4848480003030303030303030303030303620703030303030303030303038978
          3605030303030303030303030303030F0400030303030303030303486A030303
          03036A48000303030348750000486603030303030303030303036648486C0303
          0303030303030303036C48486C03030303030303030303036C48000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000303030303686A6A6A680303030303034848484848484848484848484848
          4848484848484848484848484848484848480003030303031A5F5F5F5F5F1A03
          0303034848484848484848484848484848484848484848484848484848484848
          48484800486603030303030303030303036648486C0303030303030303030303
          6C48486C03030303030303030303036C48000007070707070707070707070707
          0700050505050505050505050505050500040404040404040404040404040400
          0303030303030303030303030303070303030303030303030303038926050303
          0303030303030303030303030400030303030303030303486A03030303036A48
          000303030348750000486603030303030303030303036648486C030303030303
          03030303036C48486C03030303030303030303036C4800000000000000000000
          0000000000000000000000000000000000000000000000000000000000000303
          0303036375757563030303030303484848484848484848484848484848484848
          4848484848484848484848484848000303030303917474747474910303030348
          4848484848484848484848484848484848484848484848484848484848484800
          486603030303030303030303036648486C03030303030303030303036C48486C
          03030303030303030303036C480007086203030303030303030303030305BB36
          26262626262626262626262604B00F0303030303030303030303030003030303
          0303030303030303030307030303030303030303030303892605030303030303
          0303030303030303040003030303030303030348696A6A6A6A6A694800030303
          0348750000486603030303030303030303036648486C03030303030303030303
          036C48486C03030303030303030303036C480000000000000000000000000000
          000000000000000000000000000000000000000000000000000003030303036C
          0303036C5F5F0303030348484848484848484848484848484848484848484848
          4848484848484848484800030303030387484848484887030303034848484848
          4848484848484848484848484848484848484848484848484848480048660303
          0303030303030303036648486C03030303030303030303036C48486C03030303
          030303030303036C480007620303030303030303030303030305367889030303
          0303030303030303040F03030303030303030303030303000303030303030303
          0303030303030703030303030303030303030389260503030303030303030303
          0303030304000303030303030303030348484848484848030003030303487500
          00486603030303030303030303036648486C03030303030303030303036C4848
          6C03030303030303030303036C48000000000000000000000000000000000000
          0000000000000000000000000000000000000000000003030303036C9191916C
          8575030303034848484848484848484848484848484848484848484848484848
          4848484848480003030303030303030303030303030303484848484848484848
          4848484848484848484848484848484848484848484848004866030303030303
          03030303036648486C03030303030303030303036C48486C0303030303030303
          0303036C48000703030303030303030303030303030526890303030303030303
          0303030304030303030303030303030303030300030303030303030303030303
          0303070303030303030303030303038926050303030303030303030303030303
          0400030303030303030303000505050505050500000303030307030000486603
          030303030303030303036648486C03030303030303030303036C48486C030303
          03030303030303036C4800000000000000000000000000000000000000000000
          00000000000000000000000000000000000003030303034755845547876C0303
          0303484848484848484848484848484848484848484848484848484848484848
          4848000303030303030303030303030303030348484848484848484848484848
          4848484848484848484848484848484848484800486603030303030303030303
          036648486C03030303030303030303036C48486C03030303030303030303036C
          4800070303030303030303030303030303052689030303030303030303030303
          0403030303030303030303030303030003030303030303030303030303030703
          0303030303030303030303892605030303030303030303030303030304000303
          0303030303030305C20303030303C20500030303030703000048660303030303
          0303030303036648486C03030303030303030303036C48486C03030303030303
          030303036C480003030303030303030303030303030303030303030303030303
          030300484848484848484848000003030303035555638585766C030303034848
          4848484848484848484848484848484848484848484848484848484848480003
          0303030303030303030303030303034848484848484848484848484848484848
          4848484848484848484848484848480048660303030303030303030303664848
          6C03030303030303030303036C48486C03030303030303030303036C48000703
          0303030303030303030303030305268903030303030303030303030304030303
          0303030303030303030303000303030303030303030303030303070303030303
          0303030303030389260503030303030303030303030303030400030303030303
          0303030503030303030303050003030303070300004866030303030303030303
          03036648486C03030303030303030303036C48486C0303030303030303030303
          6C480003765F87030303030303765F87030303030303765F8703030303030048
          5555555555555548000003030303030303475454544703030303484848484848
          4848484848484848484848484848484848484848484848484848000303030303
          0303030303030303030303484848484848484848484848484848484848484848
          484848484848484848484800486603030303030303030303036648486C030303
          03030303030303036C48486C03030303030303030303036C4800070303030303
          0303030303030303030526890303030303030303030303030403030303030303
          0303030303030300030303030303030303030303030307030303030303030303
          0303038926050303030303030303030303030303040003030303030303030305
          0303030303030305000303030307030000486603030303030303030303036648
          486C03030303030303030303036C48486C03030303030303030303036C480003
          8754639103030303038754639103030303038754639103030303004855030303
          0303554800000303030303030348484848480303030348484848484848484848
          4848484848484848484848484848484848484848484800030303030303030303
          0303030303030348484848484848484848484848484848484848484848484848
          4848484848484800486603030303030303030303036648486C03030303030303
          030303036C48486C03030303030303030303036C480007030303030303030303
          0303030303052689030303030303030303030303040303030303030303030303
          0303030003030303030303030303030303030703030303030303030303030389
          2605030303030303030303030303030304000303030303030303030503030303
          0303030500030303030703000000070707070707070707070707070000050505
          05050505050505050505000004040404040404040404040404000003876B4863
          A503030303876B4863A503030303876B4863A503030300485503030303035548
          0000030303030303030303030303030303034848484848484848484848484848
          4848484848484848484848484848484848480003030303030303030303030303
          0303034848484848484848484848484848484848484848484848484848484848
          48484800486603030303030303030303036648486C0303030303030303030303
          6C48486C03030303030303030303036C48000703030303030303030303030303
          0305268903030303030303030303030304030303030303030303030303030300
          0303030303030303030303030303070303030303030303030303038926050303
          0303030303030303030303030400030303030303030303050303030303030305
          00030303030703000007086203030303030303030362080705BB362626262626
          2626262636BB0504B00F0303030303030303030FB0040003876B484848860303
          03876B48484886030303876B4848488603030048550303030303554800000303
          0303030303030303030303030303484848484848484848484848484848484848
          4848484848484848484848484848000303030303030303030303030303030348
          4848484848484848484848484848484848484848484848484848484848484800
          486603030303030303030303036648486C03030303030303030303036C48486C
          03030303030303030303036C4800070303030303030303030303030303052689
          0303030303030303030303030403030303030303030303030303030003030303
          0303030303030303036207030303030303030303030389783605030303030303
          030303030303030F040003030303030303030305030303030303030500030303
          0307030000076203030303030303030303036207053678898989898989898989
          783605040F03030303030303030303030F040003876B4863A503030303876B48
          63A503030303876B4863A5030303004855030303030355480000030303030303
          0303030303030303030348484848484848484848484848484848484848484848
          4848484848484848484800030303030303030303030303030303034848484848
          4848484848484848484848484848484848484848484848484848480048660303
          0303030303030303036648486C86030303030303030303866C48486C03030303
          030303030303036C480007030303030303030303030303030305268903030303
          0303030303030303040303030303030303030303030303000303030303030303
          0303030362080726262626262626262626262636BB0503030303030303030303
          03030FB0040003030303030303030305C20303030303C2050003030303070300
          0007030303030303030303030303030705268903030303030303030389260504
          0303030303030303030303030304000387546391030303030387546391030303
          0303875463910303030300485503030303035548000003030303030303030303
          0303030303036D75484848484848484848484848756D6D6D4848484848484848
          484848486D6D00030303030303030303030303030303036D7548484848484848
          4848484848756D6D6D4848484848484848484848486D6D004866E30303030303
          03030303E3664848987575757575757575757575984848748703030303030303
          0303877448000703030303030303030303030303030526890303030303030303
          0303030304030303030303030303030303030300070707070707070707070707
          0707000505050505050505050505050505000404040404040404040404040404
          0000030303030303030303000505050505050500000303030307030000070303
          0303030303030303030303070526030303030303030303030326050403030303
          030303030303030303040003765F87030303030303765F87030303030303765F
          8703030303030048555555555555554800000303030303030303030303030303
          0303766D4848484848484848484848486D76766D484848484848484848484848
          6D760003030303030303030303030303030303766D4848484848484848484848
          486D76766D4848484848484848484848486D7600488466666666666666666666
          6684484875986C6C6C6C6C6C6C6C6C987548486D746C6C6C6C6C6C6C6C6C746D
          4800076203030303030303030303030303053678890303030303030303030303
          040F030303030303030303030303030000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000007030303030303
          0303030303030307052603030303030303030303032605040303030303030303
          0303030303040003030303030303030303030303030303030303030303030303
          0303004848484848484848480000030303030303030303030303030303030505
          0505050505050505050505050505060606060606060606060606060606060003
          0303030303030303030303030303030505050505050505050505050505050506
          0606060606060606060606060606060003484848484848484848484848480303
          4848484848484848484848484803034848484848484848484848484803000708
          6203030303030303030303030305BB3626262626262626262626262604B00F03
          0303030303030303030303000000000000000000000000000000000000000303
          0303030303030303030303030303030303484848484848484848484848484848
          4803034848484848484848484848484848484803000703030303030303030303
          0303030705260303030303030303030303260504030303030303030303030303
          0304000303030303030303030303030303030303030303030303030303030004
          040404040404040400000303030303030303030303030303030305E12F2F2F2F
          2F2F2F2F2F2F2F2FE10506DCC0C0C0C0C0C0C0C0C0C0C0C0DC06000303030303
          030303030303030303030305E12F2F2F2F2F2F2F2F2F2F2F2FE10506DCC0C0C0
          C0C0C0C0C0C0C0C0C0DC06000703030303030303030303030303070526030303
          0303030303030303260504030303030303030303030303030400000707070707
          0707070707070707070005050505050505050505050505050004040404040404
          0404040404040400000000000000000000000000000000000000030303030303
          030303030303030303030303486B74747474747474747474747474746B48486A
          5F5F5F5F5F5F5F5F5F5F5F5F5F5F684800070303030303030303030303030307
          0526030303030303030303030326050403030303030303030303030303040003
          039FAA03030303030303AC3F03030303030303AC3F0303030303000403030303
          030303040000030303030303030303030303030303030544BDBDBDBDBDBDBDBD
          BDBDBDBD440506C0C0C0C0C0C0C0C0C0C0C0C0C0C00600030303030303030303
          030303030303030544BDBDBDBDBDBDBDBDBDBDBDBD440506C0C0C0C0C0C0C0C0
          C0C0C0C0C0C00600070303030303030303030303030307052603030303030303
          0303030326050403030303030303030303030303040000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000003030303030303030303
          0303030303030303487462030303030303030303030303627448489076030303
          0303030303030303030303480007030303030303030303030303030705260303
          030303030303030303260504030303030303030303030303030400030353AAAA
          030303030303A33F3F030303030303A33F3F0303030300040303030303030304
          00000303030303030303030303030303030305446E6E6E443B3B3B446E6E6E6E
          440506656565651E2525251E6565656565060003030303030303030303030303
          03030305446E6E6EBD2727272727BD6E6E440506656565654DADADADADAD4D65
          6565060007030303030303030303030303030705260303030303030303030303
          2605040303030303030303030303030304000303030303030303030303030303
          0303766D4848484848484848484848486D76766D484848484848484848484848
          6D76000000000000000000000000000000000303030303030303030303030303
          0303030348740303030303030303030303030303744848907603030303030303
          0303030303030348000703030303030303030303030303070526030303030303
          0303030303260504030303030303030303030303030400030353AAAAAA030303
          0303A33F4A3F0303030303A33F4A3F0303030004030303030303030400000303
          0303034A3F3F3F4A03030303030305267878784AAEAEAE4A787878782605066F
          6F6F6FD3AFAFAFD36F6F6F6F6F060003030303035DC6C6C6C6C65D0303030305
          26787878DAC7C7C7C7C7DA78782605066F6F6F6FDFC8C8C8C8C8DF6F6F6F0600
          0703030303030303030303030303070526030303030303030303030326050403
          0303030303030303030303030400030303030303030303030303030303036D75
          484848484848484848484848756D6D84484848484848484848484848846D0000
          0000000000000000000000000000030303030303030303030303030303030303
          4874030303030303030303030303030374484890760303030303030303030303
          0303034800070303030303030303030303030307052603030303030303030303
          03260504030303030303030303030303030400030353AAAAAAAA03030303A33F
          3F3F3F03030303A33F3F3F3F03030004030303030303030400000303030303B1
          030303B10303030303030526787878B2787878B24B4B78782605066F6F6F6FAF
          6F6F6FAF4E4E6F6F6F060003030303033F3F3F3F3F3F3F030303030526787878
          7B3F3F3F3F3F7B78782605066F6F6F6FE6B4B4B4B4B4E66F6F6F060007030303
          0303030303030303030307052603030303030303030303032605040303030303
          0303030303030303040003030303030303030303030303030303484848484848
          4848484848484848484848484848484848484848484848484848000000000000
          0000000000000000000003030303030303030303030303030303030348740303
          0303030303030303030303037448489076030303030303030303030303030348
          0007030303030303030303030303030705260303030303030303030303260504
          030303030303030303030303030400030353AAAAAA0303030303A33F4A3F0303
          030303A33F4A3F0303030004030303030303030400000303030303D4030303D4
          41CF0303030305367C7C7CB2646464B2C4CA7C7C36050679797979AF595959AF
          C5CB79797906000303030303030303030303030303030305367C7C7C7C7C7C7C
          7C7C7C7C7C360506797979797979797979797979797906000703030303030303
          0303030303030705260303030303030303030303260504030303030303030303
          0303030304000303030303695F0303035F690303030348484848484848484848
          4848484848484848484848484848484848484848484800000000000000000000
          0000000000000303030303030303030303030303030303034874030303030303
          0303030303030303744848907603030303030303030303030303034800070303
          0303030303030303030303070526030303030303030303030326050403030303
          0303030303030303030400030353AAAA030303030303A33F3F030303030303A3
          3F3F03030303000403030303030303040000030303030341D1E5D1413FB10303
          030305367D7D7DBC60A160BCE4AE7D7D360506B9B9B9B9B8D7D7D7B8E6AFB9B9
          B906000303030303030303030303030303030305367D7D7D7D7D7D7D7D7D7D7D
          7D360506B9B9B9B9B9B9B9B9B9B9B9B9B9B90600070303030303030303030303
          0303070526030303030303030303030326050403030303030303030303030303
          0400030303030347745F035F7447030303034848484848484848484848484848
          4848484848484848484848484848484848480000000000000000000000000000
          0000030303030303030303030303030303030303487403030303030303030303
          0303030374484890760303030303030303030303030303480007030303030303
          0303030303030307052603030303030303030303032605040303030303030303
          0303030303040003039FAA03030303030303AC3F03030303030303AC3F030303
          030300040303030303030304000003030303033F3F41414103B3030303030512
          272727666641CACA2DAC272712050642424242CBCBB8CBCB4EAF424242060003
          0303030303030303030303030303030512272727272727272727272727120506
          4242424242424242424242424242060007030303030303030303030303030705
          2603030303030303030303032605040303030303030303030303030304000303
          0303035548746974485503030303484848484848484848484848484848484848
          4848484848484848484848484848000000000000000000000000000000000303
          0303030303030303030303030303030348740303030303030303030303030303
          7448489076030303030303030303030303030348000703030303030303030303
          0303030705260303030303030303030303260504030303030303030303030303
          0304000303030303030303030303030303030303030303030303030303030004
          0404040404040404000003030303030303B1151515B103030303051C2D2D2D2D
          2DB2878787B22D2D1C05063C3C3C3C3C3CAFE4E4E4AF3C3C3C06000303030303
          0303030303030303030303051C2D2D2D2D2D2D2D2D2D2D2D2D1C05063C3C3C3C
          3C3C3C3C3C3C3C3C3C3C06000703030303030303030303030303070526030303
          0303030303030303260504030303030303030303030303030400030303030303
          5548474855030303030348484848484848484848484848484848484848484848
          4848484848484848484800000000000000000000000000000000030303030303
          0303030303030303030303034874030303030303030303030303030374484890
          7603030303030303030303030303034800000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000030303030303033F3F3F3F3F03030303051C36363636363F3F3F
          3F3F36361C05064E4E4E4E4E4EB4B4B4B4B44E4E4E0600030303030303030303
          03030303030303051C3636363636363636363636361C05064E4E4E4E4E4E4E4E
          4E4E4E4E4E4E0600070303030303030303030303030307052603030303030303
          030303032605040303030303030303030303030304000303030303035F474847
          5F03030303034848484848484848484848484848484848484848484848484848
          4848484848480000000000000000000000000000000003030303030303030303
          0303030303030303487403030303030303030303030303037448489076030303
          0303030303030303030303480000000000000000000000000000000003030303
          0303030303030303030303030303030303030362556348484848484848484848
          4848484848484863556262556348484848484848484848484848484848486355
          620003030303030303030303030303030303053A262626262626262626262626
          3A05063333333333333333333333333333060003030303030303030303030303
          030303053A2626262626262626262626263A0506333333333333333333333333
          3333060007030303030303030303030303030705260303030303030303030303
          26050403030303030303030303030303040003030303035F74487448745F0303
          0303484848484848484848484848484848484848484848484848484848484848
          4848000000000000000000000000000000000303030303030303030303030303
          0303030348740303030303030303030303030303744848907603030303030303
          0303030303030348000000000000000000000000000000000303030303030303
          0303030303030303030303030303035575634848484848484848484848484848
          484848637555556D474848484848484848484848484848484848476D55000303
          0303030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F3A0506AD
          ADADADADADADADADADADADADAD06000303030303030303030303030303030305
          3A2F2F2F2F2F2F2F2F2F2F2F2F3A0506ADADADADADADADADADADADADADAD0600
          0703030303030303030303030303070526890303030303030303038926050403
          0303030303030303030303030400030303030375485503554875030303034848
          4848484848484848484848484848484848484848484848484848484848480000
          0000000000000000000000000000030303030303030303030303030303030303
          4874030303030303030303030303030374484890760303030303030303030303
          0303034800000000000000000000000000000000030303030303030303030303
          0303030303030303030303636348484848484848484848484848484848484848
          6363634748484848484848484848484848484848484848476300030303030303
          03030303030303030303055B2B2B2B2B2B2B2B2B2B2B2B2B5B05061D2C2C2C2C
          2C2C2C2C2C2C2C2C1D060003030303030303030303030303030303055B2B2B2B
          2B2B2B2B2B2B2B2B2B5B05061D2C2C2C2C2C2C2C2C2C2C2C2C1D060007620303
          0303030303030303036207053678898989898989898989783605040F03030303
          030303030303030F040003030303039855030303559803030303484848484848
          4848484848484848484848484848484848484848484848484848000000000000
          0000000000000000000003030303030303030303030303030303030348740303
          0303030303030303030303037448485F861A1A1A1A1A1A1A1A1A1A1A1A1A1A48
          0000000000000000000000000000000003030303030303030303030303030303
          0303030303030348484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848480003030303030303030303
          03030303030305405B5B5B5B5B5B5B5B5B5B5B5B400506DCDFDFDFDFDFDFDFDF
          DFDFDFDFDC06000303030303030303030303030303030305405B5B5B5B5B5B5B
          5B5B5B5B5B400506DCDFDFDFDFDFDFDFDFDFDFDFDFDC06000708620303030303
          0303030362080705BB3626262626262626262636BB0504B00F03030303030303
          03030FB004000303030303030303030303030303030348484848484848484848
          4848484848484848484848484848484848484848484800000000000000000000
          0000000000000303030303030303030303030303030303034874030303030303
          0303030303030303744848778E86868686868686868686868686864800000000
          0000000000000000000000000303030303030303030303030303030303030303
          0303034848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848000303030303030303030303030303
          0303050505050505050505050505050505050606060606060606060606060606
          0606000303030303030303030303030303030305050505050505050505050505
          0505050606060606060606060606060606060600000707070707070707070707
          0707000005050505050505050505050505000004040404040404040404040404
          0000030303030303030303030303030303034848484848484848484848484848
          4848484848484848484848484848484848480000000000000000000000000000
          0000030303030303030303030303030303030303487462030303030303030303
          0303036274484869818181818181818181818181818181480000000000000000
          0000000000000000030303030303030303030303030303030303030303030348
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484800000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000303
          0303030303030303030303030303484848484848484848484848484848484848
          4848484848484848484848484848000000000000000000000000000000000303
          03030303030303030303030303030303486B7474747474747474747474747474
          6B48485566666666666666666666666666665548000000000000000000000000
          0000000003030303030303030303030303030303030303030303034848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848480000000003030303030303030303030303030303030303
          0303030362556348484848484848484848484848484848486355626255634848
          4848484848484848484848484848486355620003030303030303030303030303
          0303030303030303030362556348484848484848484848484848484848486355
          6262556348484848484848484848484848484848486355620000030303030303
          030303030303030303036D75484848484848484848484848756D6D6D48484848
          48484848484848486D6D00484848484848484848000000000000030303030303
          0303030303030303030303030348484848484848484848484848484848030348
          4848484848484848484848484848480300000000000000000000000000000000
          0303030303030303030303030303030303030303030303484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848000000000303030303030303030303030303030303030303030303
          5575634848484848484848484848484848484848637555556D47484848484848
          4848484848484848484848476D55000303030303030303030303030303030303
          0303030303035575634848484848484848484848484848484848637555556D47
          4848484848484848484848484848484848476D55000003030303030303030303
          030303030303766D4848484848484848484848486D76766D4848484848484848
          484848486D760003030303030303030300000000000003030303030303030303
          0303030303030303000505050505050505050505050505050500000606060606
          0606060606060606060606000003030303030303030300000000000003030303
          0303030303030303030303030303030303030348484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4800000000030303030303030303030303030303030303030303030363634848
          4848484848484848484848484848484848636363474848484848484848484848
          48484848484848484763000303030303030303030303E3030303030303030303
          0303636348484848484848484848484848484848484848636363474848484848
          4848484848484848484848484848476300000303030303030303030303030303
          0303050505050505050505050505050505050606060606060606060606060606
          0606000303030303030303030000000000000303030303030303030303030303
          0303030305201212121212121212121212121212200506060303030303030303
          030303030303E206000303030303030303030000000000000303030303030303
          0303030303030303030303030303034848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848000000
          00030303030303035555555555555F0303030303030303034848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848480003030303030303030303865490030303030303030303034848
          4848484848484848484848484848484848484848484848484848484848484848
          48484848484848484848484800000303030303030303030303030303030305E1
          2F2F2F2F2F2F2F2F2F2F2F2FE10506DCC0C0C0C0C0C0C0C0C0C0C0C0DC060003
          0303030303030303000000000000030303030303030303030303030303030303
          0512120303030303030303030303031212050614140303030303030303030303
          0303030600030303030303030303000000000000030303030303030303030303
          0303030303030303030303484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484800000000030303
          0303030348484848484884030303030303030303484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848000303030303030303030381486603030303030303030303484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          48484848484848480000030303030303030303030303030303030544BDBDBDBD
          BDBDBDBDBDBDBDBD440506C0C0C0C0C0C0C0C0C0C0C0C0C0C006000303030303
          0303030300000000000003030303030303030303030303030303030305120303
          0303030303030303030303031205061414030303030303030303030303030306
          0003030303030303030300000000000003030303030303030303030303030303
          0303030303030348484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848480000000003030303030303
          4803030303668403030303030303030348484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848480003
          03030303030303030386985F0303030303030303030348484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484800000303030303030303030303030303030305446E6E6E26276E6E6E
          27266E6E440506656565651EAD656565AD1E6565650600030303030303030303
          0000000000000303030303030303030303030303030303030512030303030303
          0303030303030303120506141403030303030303030303030303030600030303
          0303030303030000000000000303030303030303030303030303030303030303
          0303034848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848000000000303030303030348030303
          0366745555030303030303034848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848000303030303
          0303030303766C54760303030303030303034848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          0000030303030341C6030303C641030303030526787878BCC7277827C7BC7878
          2605066F6F6F6FB8C8336F33C8B86F6F6F060003030303030303030300000000
          0000030303030303030303030303030303030303051203030303030303030303
          0303030312050614140303030303030303030303030303060003030303030303
          0303000000000000030303030303030303030303030303030303030303030348
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484800000000030303030303034891919191854848
          4803030303030303484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484800030303030303030303
          031A634855620303030303030303484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484800000303
          0303033F3FC603C63F3F030303030526787878C43FC736C73FC478782605066F
          6F6F6FC5B4C830C8B4C56F6F6F06000303030303030303030000000000000303
          0303030303030303030303030303030305120303030303030303030303030303
          1205061414030303030303030303030303030306000303030303030303030000
          0000000003030303030303030303030303030303030303030303034848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848480000000003030303030303486D6D6D6D98840348030303
          0303030348484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848480003030303030303030303035548
          638E030303030303030348484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848480000030303030303
          3F3FB13F3F030303030305367C7C7C7CC43FAE3FC47C7C7C3605067979797979
          C5B4AFB4C57979797906006B6B6B6B6B6B6B6B6B000000000000030303030303
          0303030303030303030303030512030303030303030303030303030312050614
          14030303030303030303030303030306006B6B6B6B6B6B6B6B6B000000000000
          0303030303030303030303030303030303030303030303636348484848484848
          4848484848484848484848486363634748484848484848484848484848484848
          4848484763000000000303030303030348484848484855034803030303030303
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848000303030303030303876A8E1A8448690303
          0303030303034848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848000003030303030303B13FB1
          03030303030305367D7D7D7D57AE3FAE577D7D7D360506B9B9B9B9B94DAFB4AF
          4DB9B9B9B9060007070707070707070700000000000003030303030303030303
          0303030303030303051203030303030303030303030303031205061414030303
          0303030303030303030303060048484848484848484800000000000003030303
          0303030303030303030303030303030303030355756348484848484848484848
          4848484848484863755555754748484848484848484848484848484848484775
          5500000000030303030303030303848591919191480303030303030348484848
          4848484848484848484848484848484848484848484848484848484848484848
          484848484848484848480003030303030303035F6C6D68754867030303030303
          0303484848484848484848484848484848484848484848484848484848484848
          484848484848484848484848484848480000030303030303C63F3F3FC6030303
          0303051227272744E03FAE3FE04427271205064242424225C8B4AFB4C8254242
          4206000303030303030303030000000000000303030303030303030303030303
          0303030305120303030303030303030303030303120506141403030303030303
          0303030303030306000303030303030303030000000000000303030303030303
          0303030303030303030303030303036255634848484848484848484848484848
          4848486355626255634848484848484848484848484848484848635562000000
          0003030303030303030384986D6D6D6D48030303030303034848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848480003030303030303031A63486348631A03030303030303034848
          4848484848484848484848484848484848484848484848484848484848484848
          48484848484848484848484800000303030303CF3F3F033F3FCF03030303051C
          2D2D2DE03FCA2DCA3FE02D2D1C05063C3C3C3CC8B4CB3CCBB4C83C3C3C060003
          0303030303030303000000000000030303030303030303030303030303030303
          0512030303030303030303030303030312050614140303030303030303030303
          0303030600030303030303030303000000000000030303030303030303030303
          0303030303030303030303050505050505050505050505050505050505050505
          0505060606060606060606060606060606060606060606060600000000030303
          0303030303035548484848484803030303030303484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848000303030303030303038685758586030303030303030303484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848000003030303033F3F0303033F3F03030303051C363636B3
          CA363636CAB336361C05064E4E4E4EB8CB4E4E4ECBB84E4E4E06000303030303
          0303030300000000000003030303030303030303030303030303030305120303
          0303030303030303030303031205061414030303030303030303030303030306
          0003030303030303030300000000000003030303030303030303030303030303
          030303030303030573262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26730506A7
          BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BFA7060000000003030303030303
          0303030303030303030303030303030348484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848480003
          0303030303030303030303030303030303030303030348484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          48484848000003030303030303030303030303030303053A2626262626262626
          262626263A050633333333333333333333333333330600030303030303030303
          0000000000000303030303030303030303030303030303030512030303030303
          0303030303030303120506141403030303030303030303030303030600030303
          0303030303030000000000000303030303030303030303030303030303030303
          03030305265EBDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBD5E260506BFC0C0C0C0
          C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BF06000000000303030303030303030303
          0303030303030303030303034848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848000303030303
          0303030303030303030303030303030303034848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          000003030303030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F
          3A0506ADADADADADADADADADADADADADAD060003030303030303030300000000
          0000030303030303030303030303030303030303051203030303030303030303
          0303030312050614141414141414141414141414141414060003030303030303
          0303000000000000030303030303030303030303030303030303030303030305
          446E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E440506656565656565656565
          6565656565656565656565650600000000030303030303030303030303030303
          0303030303030303636348484848484848484848484848484848484848636363
          4748484848484848484848484848484848484848476300030303030303030303
          0303030303030303030303030303636348484848484848484848484848484848
          4848486363634748484848484848484848484848484848484848476300000303
          0303030303030303030303030303055B2B2B2B2B2B2B2B2B2B2B2B2B5B05061D
          2C2C2C2C2C2C2C2C2C2C2C2C1D06000303030303030303030000000000000303
          0303030303030303030303030303030305120303030303030303030303030303
          1205061414141414141414141414141414141406000303030303030303030000
          00000000030303030303030303030303030303030303030303030305266E6E6E
          6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E6E26050665656565656565656565656565
          6565656565656565060000000003030303030303030303030303030303030303
          0303030355756348484848484848484848484848484848486375555575474848
          4848484848484848484848484848484775550003030303030303030303030303
          0303030303030303030355756348484848484848484848484848484848486375
          5555754748484848484848484848484848484848484775550000030303030303
          0303030303030303030305405B5B5B5B5B5B5B5B5B5B5B5B400506DCDFDFDFDF
          DFDFDFDFDFDFDFDFDC0600030303030303030303000000000000030303030303
          0303030303030303030303030512120303030303030303030303031212050614
          1414141414141414141414141414140600030303030303030303000000000000
          0303030303030303030303030303030303030303030303052678787878787878
          7878787878787878787878782605066F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F
          6F6F6F6F06000000000303030303030303030303030303030303030303030303
          6255634848484848484848484848484848484848635562625563484848484848
          4848484848484848484848635562000303030303030303030303030303030303
          0303030303036255634848484848484848484848484848484848635562625563
          4848484848484848484848484848484848635562000003030303030303030303
          0303030303030505050505050505050505050505050506060606060606060606
          0606060606060003030303030303030300000000000003030303030303030303
          0303030303030303052012121212121212121212121212122005061314141414
          1414141414141414141413060003030303030303030300000000000003030303
          03030303030303030303030303030303030303053B7C7C7C7C7C7C7C7C7C7C7C
          7C7C7C7C7C7C7C7C3B05066F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F6F
          0600000000030303030303030303030303030303030303030303030305050505
          0505050505050505050505050505050505050506060606060606060606060606
          0606060606060606060600030303030303030303030303030303030303030303
          0303050505050505050505050505050505050505050505050506060606060606
          0606060606060606060606060606060600000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000303030303030303030303030303
          0303030300050505050505050505050505050505050000060606060606060606
          0606060606060600000707070707070707070000000000000303030303030303
          03030303030303030303030303030305367C7C7C7C7C7C7C7C7C7C7C7C7C7C7C
          7C7C7C7C36050679797979797979797979797979797979797979797906000000
          0003030303030303030303030303030303030303030303030573262F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0
          C0C0C0BFA7060003030303030303030303030303030303030303030303030573
          262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0
          C0C0C0C0C0C0C0C0C0BFA7060000034848484848484848484848484848484848
          4848030348484848484848484848484848484848484848030348484848484848
          4848484848484848484848480300000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000030303030303030303030303
          030303030303030303030305367D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D7D
          360506B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9B90600000000030303
          030303030303030303030303030303030303030305265EBDBDBDBDBDBDBDBDBD
          BDBDBDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
          BF0600030303030303030303030303030303030303030303030305265EBDBDBD
          BDBDBDBDBD5EBDBDBDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0
          C0C0C0C0C0C0BF060000486D84757575757575757575757575757575846D4848
          6D75747474747474747474747474747474756D484854A55F5F5F5F5F5F5F5F5F
          5F5F5F5F5F5FA56B480003030303030303030303030303030303030303030303
          0362556348484848484848484848484848484848486355626255634848484848
          4848484848484848484848486355620003030303030303030303030303030303
          0303030303030305122727272727272727272727272727272727272712050642
          4242424242424242424242424242424242424242060000000003030303030303
          0303030303030303030303030303030305446E6E6E6E6E2F2F2F2F2F2F2D6E6E
          6E6E6E6E6E440506656565656565292929292929C96565656565656565060003
          0303030303030303030387030303030303030303030305446E6E6E6E6E6E6E6E
          5E95276E6E6E6E6E6E6E6E4405066565656565656565653CDEAD656565656565
          6565650600004884860303030303030303030303030303038684484875860303
          0303030303030303030303030386754848817603030303030303030303030303
          0303031A48000303030303030303030303030303030303030303030303557563
          4848484848484848484848484848484848637555556D47484848484848484848
          4848484848484848476D55000303030303030303030303030303030303030303
          03030305122D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D2D1205063C3C3C3C3C
          3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C0600000000030303030303033F3F3F3F
          3F3FAC03030303030303030305266E6E6E6E6E3F3F3F3F3F3F666E6E6E6E6E6E
          6E260506656565656565B4B4B4B4B4B4CB656565656565656506000303030303
          0303030303B23FD40303030303030303030305266E6E6E6E6E6E6E6E883FDB6E
          6E6E6E6E6E6E6E260506656565656565656565DCB4DD65656565656565656506
          0000487503030303030303030303030303030303037548487403030303030303
          0303030303030303030374484890760303030303030303030303030303030303
          4800030303030303030303030303030303030303030303030363634848484848
          4848484848484848484848484848636363474848484848484848484848484848
          4848484848476300030303030303030303030303030303030303030303030305
          1C363636363636363636363636363636363636361C05064E4E4E4E4E4E4E4E4E
          4E4E4E4E4E4E4E4E4E4E4E4E0600000000030303030303033F03030303CFAC03
          0303030303030303052678787878783F78787878606678787878787878260506
          6F6F6F6F6F6FB46F6F6F6FD7CB6F6F6F6F6F6F6F6F0600030303030303030303
          03CFD4C60303030303030303030305267878787878787878DAACA47878787878
          7878782605066F6F6F6F6F6F6F6F6F7ED9056F6F6F6F6F6F6F6F6F0600004875
          0303030303030303030303030303030303754848740303030303030303030303
          0303030303037448489076030303030303030303030303030303030348000303
          0303030303035F5F5F5F5F5F5F03030303030303034848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          484848000303030303030303030303030303030303030303030303051C3B3B3B
          3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B1C050633333333333333333333333333
          33333333333333330600000000030303030303033F03030303CFC60303030303
          03030303053B7C7C7C7C7C3F7C7C7C7C60C744447C7C7C7C7C3B05066F6F6F6F
          6F6FB46F6F6F6FD7C825256F6F6F6F6F6F060003030303030303030303D1B249
          03030303030303030303053B7C7C7C7C7C7C7C7C9BAC4C6E7C7C7C7C7C7C7C3B
          05066F6F6F6F6F6F6F6F6F7ED9BA656F6F6F6F6F6F6F6F060000487503030303
          0303030303030303030303030375484874030303030303030303030303030303
          0303744848907603030303030303030303030303030303034800030303030303
          0303747474747474740303030303030303484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484800
          0303030303030303030303030303030303030303030303053A44444444444444
          4444444444444444444444443A0506ADADADADADADADADADADADADADADADADAD
          ADADADAD0600000000030303030303033F03030303D13F3F3F03030303030303
          05367C7C7C7C7C3F64646464603F3F3F7C7C7C7C7C360506797979797979B459
          595959D7B4B4B47979797979790600030303030303030303033F4A4A8E030303
          03030303030305367C7C7C7C7C7C7C7CD84A4A977C7C7C7C7C7C7C3605067979
          797979797979797ED3D352797979797979797906000048750303030303030303
          0303030303030303037548487403030303030303030303030303030303037448
          4890760303030303030303030303030303030303480003030303030303034848
          4848484848030303030303030348484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848480003030303
          03030303030303030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F3A0506333030303030303030303030303030303030303033
          0600000000030303030303033F5D5D5D5DCFAC033F0303030303030305367D7D
          7D7D7D3FA1A1A1A1CC667D3F7D7D7D7D7D360506B9B9B9B9B9B9B4D7D7D7D7CE
          CBB9B4B9B9B9B9B9B9060003030303030303030303034A3F4176030303030303
          030305367D7D7D7D7D7D7D7D7DC43FB33E7D7D7D7D7D7D360506B9B9B9B9B9B9
          B9B9B9B9C5B4B56FB9B9B9B9B9B9B90600004875030303030303030303030303
          0303030303754848740303030303030303030303030303030303744848907603
          0303030303030303030303030303030348000303030303030303555555555555
          5503030303030303034848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848000303030303030303
          030303030303030303030303030303051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B
          2B2B2B121C050643AB2525252525252525252525252525252525AB4306000000
          00030303030303033F3F3F3F3F3F3F033F03030303030303051227272727273F
          3F3F3F3F3F66273F2727272727120506424242424242B4B4B4B4B4B4CB42B442
          4242424242060003030303030303030303033FD43FC603030303030303030512
          272727272727362B3B11CC3F5A27272727272712050642424242424242332930
          43CEB4C342424242424242060000487503030303030303030303030303030303
          0375484874030303030303030303030303030303030374484890760303030303
          0303030303030303030303034800030303030303030303030303030303030303
          0303030303484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484800030303030303030303030303
          0303030303030303030303057B3A5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A
          7B0506A7A8A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A8A70600000000030303
          030303030303ACD1030303033F0303030303030305122D2D2D2D2D2D2DD0A126
          2626263F2D2D2D2D2D1205063C3C3C3C3C3C3C3CC8D230303030B43C3C3C3C3C
          3C06000303030303030303B1D4A3039F3F41030303030303030305122D2D2D2D
          2D2D5AACA51C833F772D2D2D2D2D2D1205063C3C3C3C3C3C3CC3AFD232D5B4D6
          3C3C3C3C3C3C3C06000048750303030303030303030303030303030303754848
          7403030303030303030303030303030303037448489076030303030303030303
          0303030303030303480003030303030303030303030303030303030303030303
          0348484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848480003030303030303030303030303030303
          0303030303030305050505050505050505050505050505050505050505050606
          0606060606060606060606060606060606060606060000000003030303030303
          0303ACCF5D5D5D5D3F03030303030303051C36363636363636D0D15F5F5F5F3F
          36363636361C05064E4E4E4E4E4E4E4EC8CED2D2D2D2B44E4E4E4E4E4E060003
          030303030303033F3F3F4A3F3F3F0303030303030303051C363636363636114A
          3F4A3F4A113636363636361C05064E4E4E4E4E4E4E1DD3B4D3B4D31D4E4E4E4E
          4E4E4E0600004875030303030303030303030303030303030375484874030303
          0303030303030303030303030303744848907603030303030303030303030303
          0303030348000303030303030303030303030303030303030303030303484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000303030303030303033F3F
          3F3F3F3F3F03030303030303051C3B3B3B3B3B3B3BCA3F3F3F3F3F3F3B3B3B3B
          3B1C05063333333333333333CBB4B4B4B4B4B433333333333306000303030303
          030303033F3F3F3F3F030303030303030303051C3B3B3B3B3B3B3B8FCCACCC8F
          3B3B3B3B3B3B3B1C05063333333333333333CDCEAFCECD333333333333333306
          0000487503030303030303030303030303030303037548487403030303030303
          0303030303030303030374484890760303030303030303030303030303030303
          4800030303030303030303030303030303030303030303030348484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484800000000030303030303030303030303030303030303030303
          0303625563484848484848484848484848484848484863556262556348484848
          4848484848484848484848484863556200030303030303030303030303030303
          0303030303030303053A444444444444444444444444444444444444443A0506
          ADADADADADADADADADADADADADADADADADADADADAD0600030303030303030303
          0303030303030303030303030303053A44444444444444444444444444444444
          4444443A0506ADADADADADADADADADADADADADADADADADADADADAD0600004875
          0303030303030303030303030303030303754848740303030303030303030303
          0303030303037448489076030303030303030303030303030303030348000303
          0303030303030303030303030303030303030303034848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848480000000003030303030303030303030303030303030303030303035575
          634848484848484848484848484848484848637555556D474848484848484848
          484848484848484848476D550003030303030303030303030303030303030303
          03030303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A050633303030
          3030303030303030303030303030303033060003030303030303030303030303
          03030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A
          0506333030303030303030303030303030303030303033060000487503030303
          0303030303030303030303030375484874030303030303030303030303030303
          0303744848907603030303030303030303030303030303034800030303030303
          0303030303030303030303030303030303484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484800
          0000000303030303030303030303030303030303030303030303636348484848
          4848484848484848484848484848486363634748484848484848484848484848
          4848484848484763000303030303030303030303030303030303030303030303
          051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB252525252525
          2525252525252525252525AB4306000303030303030303030303030303030303
          030303030303051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB
          2525252525252525252525252525252525AB4306000048750303030303030303
          0303030303030303037548487403030303030303030303030303030303037448
          4890760303030303030303030303030303030303480003030303030303030303
          0303030303030303030303030348484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848480000000003
          0303030303035555555555555555550303030303030348484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          48484848000303030303030303030303030303030303030303030303057B3A5B
          5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9A9A9A9A9A9A9
          A9A9A9A9A9A9A9A8A70600030303030303030303030303030303030303030303
          0303057B3A5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9
          A9A9A9A9A9A9A9A9A9A9A9A9A9A8A70600004875030303030303030303030303
          0303030303754848740303030303030303030303030303030303744848907603
          0303030303030303030303030303030348000303030303030303030303030303
          0303030303030303034848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848000000000303030303
          0303484848484848484848030303030303034848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          0003030303030303030303030303030303030303030303030505050505050505
          0505050505050505050505050505050606060606060606060606060606060606
          0606060606060003030303030303030303030303030303030303030303030505
          0505050505050505050505050505050505050505050606060606060606060606
          0606060606060606060606060000487503030303030303030303030303030303
          0375484874030303030303030303030303030303030374484890760303030303
          0303030303030303030303034800030303030303030303030303030303030303
          0303030303636348484848484848484848484848484848484848636363474848
          4848484848484848484848484848484848476300000000030303030303034803
          0303030303034803030303030303484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484800000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000048750303030303030303030303030303030303754848
          7403030303030303030303030303030303037448489076030303030303030303
          0303030303030303480003030303030303030303030303030303030303030303
          0355756348484848484848484848484848484848486375555575474848484848
          4848484848484848484848484775550000000003030303030303480303030303
          0303480303030303030348484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848480003030303030303
          0303030303030303030303030303030303000000000003030303030303030303
          0303030303030303030303030362556348484848484848484848484848484848
          4863556262556348484848484848484848484848484848486355620003030303
          0303030303030303030303030303030303030303030303000348484848484848
          0300000000004875030303030303030303030303030303030375484874030303
          0303030303030303030303030303744848907603030303030303030303030303
          0303030348000303030303030303030303030303030303030303030303625563
          4848484848484848484848484848484848635562625563484848484848484848
          4848484848484848635562000000000303030303030348030303030303034803
          0303030303034848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848000375757575757503037575
          7575757503037575757575750300000000000303030303030303030303030303
          0303030303030303035575634848484848484848484848484848484848637555
          556D474848484848484848484848484848484848476D55000303030303875F76
          030303030303875F76030303030303875F760300486A67676767676A48000000
          0000487503030303030303030303030303030303037548487403030303030303
          030303030303030303037448485F861A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
          4800030303030303030303030303030303030303030303030305050505050505
          0505050505050505050505050505050506060606060606060606060606060606
          0606060606060600000000030303030303034803030303030303480303030303
          0303484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848484800034848484848480303484848484848
          0303484848484848030000000000030303030303030303030303030303030303
          0303030303636348484848484848484848484848484848484848636363474848
          4848484848484848484848484848484848476300030303039163548703030303
          0391635487030303030391635487030048670303030303674800000000004875
          0303030303030303030303030303030303754848740303030303030303030303
          030303030303744848778E868686868686868686868686868686868648000303
          0303030303030303030303030303030303030303030573262F2F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
          BFA7060000000003030303030303480303030303030348030303030303034848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848480003757575757575030375757575757503037575
          75757575030000000000030303030303036A691A0303031A696A030303030303
          0348484848484848484848484848484848484848484848484848484848484848
          48484848484848484848484848484800030303A563486B8703030303A563486B
          8703030303A563486B8703004867030303030367480000000000488486030303
          0303030303030303030303038684484875860303030303030303030303030303
          03867548486981818181818181818181818181818181815F4800030303030303
          030303030303030303030303030303030305265EBDBDBDBDBDBDBDBDBDBDBDBD
          BDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BF0600
          0000000303030303030348555555555555554803030303030303484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848000348484848484803034848484848480303484848484848
          030000000000030303030303036C47681A031A68476C03030303030303484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848000303864848486B87030303864848486B87030303
          864848486B8703004867030303030367480000000000486D8475757575757575
          7575757575757575846D48486D75747474747474747474747474747474756D48
          4884666666666666666666666666666666666684480003030303030303030303
          0303030303030303030303030305446E6E6E6E6E6E2D2D2D2D2D2D2D6E6E6E6E
          6E6E44050665656565656565C9C9C9C9C9C9C965656565656565060000000003
          0303030303034848484848484848480303030303030348484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484800037575757575750303757575757575030375757575757503000000
          0000030303030303037448636876686348740303030303030348484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848484848484800030303A563486B8703030303A563486B8703030303A56348
          6B87030048670303030303674800000000000348484848484848484848484848
          4848484848480303484848484848484848484848484848484848480303484848
          4848484848484848484848484848484803000303030303030303C6C6C6C6C6C6
          C6030303030303030305266E6E6E6E6E6EC7C7C7C7C7C7C76E6E6E6E6E6E2605
          0665656565656565C8C8C8C8C8C8C86565656565656506000000000303030303
          0303484848484848484848030303030303034848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          0003484848484848030348484848484803034848484848480300000000000303
          0303030303766C48636B63486C76030303030303034848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          4848480003030303916354870303030303916354870303030303916354870300
          4867030303030367480000000000000404040404040404040404040404040404
          0404000005050505050505050505050505050505050505000006060606060606
          060606060606060606060606000003030303030303033F3F3F3F3F3F3F030303
          030303030305267878787878783F3F3F3F3F3F3F7878787878782605066F6F6F
          6F6F6F6FB4B4B4B4B4B4B46F6F6F6F6F6F6F0600000000030303030303030303
          0303030303030303030303030303484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484800030303
          0303030303030303030303030303030303030303030000000000030303030303
          0303766C4848486C760303030303030303484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484800
          0303030303875F76030303030303875F76030303030303875F760300486A6767
          6767676A48000000000004B00F0303030303030303030303030303030FB00405
          7B2B1212121212121212121212121212122B7B050606C2030303030303030303
          030303030303C2C3060003030303030303033F3F3F3F3F3F3F03030303030303
          03053B7C7C7C7C7C7CC4C4C4C4C4C4C47C7C7C7C7C7C3B05066F6F6F6F6F6F6F
          C5C5C5C5C5C5C56F6F6F6F6F6F6F060000000003030303030303030303030303
          0303030303030303030348484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848480003030303030303
          0303030303030303030303030303030303000000000003030303030303031A85
          484848851A030303030303030348484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848484848480003030303
          0303030303030303030303030303030303030303030303000348484848484848
          030000000000040F03030303030303030303030303030303030F04052B120303
          03030303030303030303030303122B05062A1403030303030303030303030303
          030303060600030303030303030303030303030303030303030303030305367C
          7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C7C3605067979797979797979797979
          7979797979797979797906000000000303030303030303030303030303030303
          0303030303036363484848484848484848484848484848484848486363634748
          4848484848484848484848484848484848484763000303030303030303030303
          030303030303030303030303030000000000030303030303031A686348484863
          681A030303030303034848484848484848484848484848484848484848484848
          4848484848484848484848484848484848484848484848000303030303030303
          030303030303030303030303030303030303030000C1C1C1C1C1C1C100000000
          0000040303030303030303030303030303030303030304051203030303030303
          0303030303030303030312050614140303030303030303030303030303030303
          0600030303030303030303030303030303030303030303030305367D7D7D7D7D
          7D7D7D7D7D7D7D7D7D7D7D7D7D7D360506B9B9B9B9B9B9B9B9B9B9B9B9B9B9B9
          B9B9B9B9B9B90600000000030303030303030303030303030303030303030303
          0303557563484848484848484848484848484848484863755555754748484848
          4848484848484848484848484847755500030707070707070303050505050505
          0303050505050505030000000000030303030303036663486C916C4863660303
          0303030303484848484848484848484848484848484848484848484848484848
          48484848484848484848484848484848484848000303030303AA9F0303030303
          03033FAC030303030303033FAC030300C17A03030303037AC100000000000403
          0303030303030303030303030303030303030405120303030303030303030303
          0303030303031205061414030303030303030303030303030303030306000303
          0303030303030303030303030303030303030303030512272727272727272727
          2727272727272727272712050642424242424242424242424242424242424242
          4242060000000003030303030303030303030303030303030303030303036255
          6348484848484848484848484848484848486355626255634848484848484848
          4848484848484848486355620003030303030303030303030303030303030303
          03030303030000000000030303030303036C486C7603766C486C030303030303
          0348484848484848484848484848484848484848484848484848484848484848
          4848484848484848484848484848480003030303AAAA530303030303033F3FA3
          0303030303033F3FA3030300C103030303030303C10000000000040303030303
          0303030303030303030303030303040512030303030303030303030303030303
          0303120506141403030303030303030303030303030303030600030303030303
          030303030303030303030303030303030305122D2D2D2D2D2D2D2D2D2D2D2D2D
          2D2D2D2D2D2D1205063C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C3C0600
          0000000303030303030303030303030303030303030303030303050505050505
          0505050505050505050505050505050505060606060606060606060606060606
          0606060606060606000307070707070703030505050505050303050505050505
          0300000000000303030303030375747603030376747503030303030303484848
          4848484848484848484848484848484848484848484848484848484848484848
          484848484848484848484800030303AAAAAA5303030303033F4A3FA303030303
          033F4A3FA3030300C103030303030303C1000000000004030303030303030303
          0303030303030303030304051203030303030303030303030303030303031205
          0614140303030303030303030303030303030303060003030303030303030303
          03030303030303030303030303051C3636363636363636363636363636363636
          36361C05064E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E060000000003
          030303030303030303030303030303030303030303030573262F2F2F2F2F2F2F
          2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0
          C0BFA70600030303030303030303030303030303030303030303030303000000
          0000030303030303030303030303030303030303030303030348484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          48484848484848000303AAAAAAAA53030303033F3F3F3FA3030303033F3F3F3F
          A3030300C103030303030303C100000000000403030303030303030303030303
          0303030303030405120303030303030303030303030303030303120506141403
          0303030303030303030303030303030306000303030303030303030303030303
          030303030303030303051C3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B3B1C05
          0633333333333333333333333333333333333333333306000000000303030303
          03030303030303030303030303030303030305265EBDBDBDBDBDBDBDBDBDBDBD
          BDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0BF06
          0003070707070707030305050505050503030505050505050300000000000303
          0303030303030303030303030303030303030303034848484848484848484848
          4848484848484848484848484848484848484848484848484848484848484848
          48484800030303AAAAAA5303030303033F4A3FA303030303033F4A3FA3030300
          C103030303030303C10000000000040303030303030303030303030303030303
          0303040512030303030303030303030303030303030312050614140303030303
          0303030303030303030303030600030303030303030303030303030303030303
          0303030303053A444444444444444444444444444444444444443A0506ADADAD
          ADADADADADADADADADADADADADADADADADAD0600000000030303030303030303
          030303030303030303030303030305446E6E6E6E6E2F2F2F2F2F2F2F2F2F6E6E
          6E6E6E4405066565656565652929292929292929296565656565650600030303
          0303030303030303030303030303030303030303030000000000030303030303
          0303030303030303030303030303030303636348484848484848484848484848
          4848484848486363634748484848484848484848484848484848484848476300
          03030303AAAA530303030303033F3FA30303030303033F3FA3030300C1030303
          03030303C1000000000004030303030303030303030303030303030303030405
          1203030303030303030303030303030303031205061414030303030303030303
          0303030303030303060003030303030303030303030303030303030303030303
          03053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A050633303030303030
          30303030303030303030303030330600000000030303030303033F3F3F3F3F3F
          3F3F3F0303030303030305266E6E6E6E6E3F3F3F3F3F3F3F3F3F6E6E6E6E6E26
          0506656565656565B4B4B4B4B4B4B4B4B4656565656565060000000000000000
          0000000000000000000000000000000000000000000003030303030303030303
          0303030303030303030303030355756348484848484848484848484848484848
          4863755555754748484848484848484848484848484848484775550003030303
          03AA9F030303030303033FAC030303030303033FAC030300C17A03030303037A
          C100000000000403030303030303030303030303030303030303040512030303
          0303030303030303030303030303120506141403030303030303030303030303
          0303030306000303030303030303030303030303030303030303030303051C12
          2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB252525252525252525
          2525252525252525AB430600000000030303030303033F030303030303033F03
          030303030303052678787878783F787878787878783F78787878782605066F6F
          6F6F6F6FB46F6F6F6F6F6F6FB46F6F6F6F6F6F06000303030303030303030303
          0303030303030303030303030303030300000303030303030303030303030303
          0303030303030303036255634848484848484848484848484848484848635562
          6255634848484848484848484848484848484848635562000303030303030303
          030303030303030303030303030303030303030000C1C1C1C1C1C1C100000000
          0000040303030303030303030303030303030303030304051203030303030303
          0303030303030303030312050614140303030303030303030303030303030303
          06000303030303030303030303030303030303030303030303057B3A5B5B5B5B
          5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9A9A9A9A9A9A9A9A9A9
          A9A9A9A9A8A70600000000030303030303033F030303030303033F0303030303
          0303053B7C7C7C7C7C3F7C7C7C7C7C7C7C3F7C7C7C7C7C3B05066F6F6F6F6F6F
          B46F6F6F6F6F6F6FB46F6F6F6F6F6F0600030303030303030303030303030303
          0303030303030303030303030000030303030303030303030303030303030303
          0303030303050505050505050505050505050505050505050505050506060606
          0606060606060606060606060606060606060600000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000403
          0303030303030303030303030303030303030405120303030303030303030303
          0303030303031205061414030303030303030303030303030303030306000303
          0303030303030303030303030303030303030303030505050505050505050505
          0505050505050505050505050606060606060606060606060606060606060606
          06060600000000030303030303033F030303030303033F030303030303030536
          7C7C7C7C7C3F7C7C7C7C7C7C7C3F7C7C7C7C7C360506797979797979B4797979
          79797979B4797979797979060003030303860303030303030303860303030303
          0303038603030303000003030303030303030303030303030303030303030303
          030573262F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F26730506A7BFC0C0C0C0C0
          C0C0C0C0C0C0C0C0C0C0C0C0BFA7060000000000000000000000000000030303
          0303030303030303030303030303030303030303030303030000040303030303
          0303030303030303030303030303040512030303030303030303030303030303
          0303120506141403030303030303030303030303030303030600000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000030303030303033F030303030303033F0303030303030305367D7D7D7D
          7D3F7D7D7D7D7D7D7D3F7D7D7D7D7D360506B9B9B9B9B9B9B4B9B9B9B9B9B9B9
          B4B9B9B9B9B9B90600030303A548A5030303030303A548A5030303030303A548
          A50303030000030303030303030303030303030303030303030303030305265E
          BDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBD5E260506BFC0C0C0C0C0C0C0C0C0C0
          C0C0C0C0C0C0C0C0C0BF06000000000000000000000000000003768787878787
          7603037687878787877603037687878787877603000004030303030303030303
          0303030303030303030304051203030303030303030303030303030303031205
          0614140303030303030303030303030303030303060003034848484848484848
          4848484848484848484848480303030348484848484848484848484848484848
          4848484803030303484848484848484848484848484848484848484803030003
          0303030303033F030303030303033F03030303030303051227272727273F2727
          27272727273F2727272727120506424242424242B442424242424242B4424242
          4242420600030391634863910303030391634863910303030391634863910303
          0000030303030303030303030303030303030303030303030305446E6E6E6E6E
          3B3BBD6E6E6EBD3B3B6E6E6E6E6E4405066565656565651E1E4D6565654D1E1E
          656565656565060000000000000000000000000000035F546B6B6B545F03035F
          546B6B6B545F03035F546B6B6B545F0300000403030303030303030303030303
          0303030303030405120303030303030303030303030303030303120506141403
          0303030303030303030303030303030306000363546D75757575757575757575
          7575757575756D54630303636B7474747474747474747474747474747474746B
          63030363695F5F5F5F5F5F5F5F5F5F5F5F5F5F5F5F5F5F696303000303030303
          03033F030303030303033F0303030303030305122D2D2D2D2D3F1C1C1C1C1C1C
          1C3F2D2D2D2D2D1205063C3C3C3C3C3CB432323232323232B43C3C3C3C3C3C06
          0003876348484863870303876348484863870303876348484863870300000303
          0303030303B3B11F0303031FB1B30303030303030305266E6E6E6E6EACAE82BD
          6EBD82AEAC6E6E6E6E6E260506656565656565AFAFBE656565BEAFAF65656565
          6565060000000000000000000000000000038763484848638703038763484848
          6387030387634848486387030000040303030303030303030303030303030303
          0303040512030303030303030303030303030303030312050614140303030303
          03030303030303030303030306004854661A0303030303030303030303030303
          03031A665448486B681A030303030303030303030303030303031A686B484869
          7603030303030303030303030303030303030303A54800030303030303033F3F
          3F3F3F3F3F3F3F03030303030303051C36363636363F3F3F3F3F3F3F3F3F3636
          3636361C05064E4E4E4E4E4EB4B4B4B4B4B4B4B4B44E4E4E4E4E4E0600035F54
          6B6B6B545F03035F546B6B6B545F03035F546B6B6B545F030000030303030303
          034A3F411F031F413F4A0303030303030305267878787878AE3FB382BD82B33F
          AE78787878782605066F6F6F6F6F6FAFB4B5BE59BEB5B4AF6F6F6F6F6F6F0600
          0000000000000000000000000003039163486391030303039163486391030303
          0391634863910303000004030303030303030303030303030303030303030405
          1203030303030303030303030303030303031205061414030303030303030303
          03030303030303030600486D1A0303030303030303030303030303030303031A
          6D4848741A0303030303030303030303030303030303031A7448488176030303
          03030303030303030303030303030303624800030303030303033F3F3F3F3F3F
          3F3F3F03030303030303051C3B3B3B3B3B3F3F3F3F3F3F3F3F3F3B3B3B3B3B1C
          0506333333333333B4B4B4B4B4B4B4B4B4333333333333060003768787878787
          76030376878787878776030376878787878776030000030303030303033F4A3F
          4149413F4A3F03030303030303053B7C7C7C7C7CBBBC3FB34CB33FBCBB7C7C7C
          7C7C3B05066F6F6F6F6F6F7EB8B4B5BAB5B4B87E6F6F6F6F6F6F060000000000
          000000000000000000030303A548A5030303030303A548A5030303030303A548
          A503030300000403030303030303030303030303030303030303040512030303
          0303030303030303030303030303120506141403030303030303030303030303
          0303030306004875030303030303030303030303030303030303030375484874
          0303030303030303030303030303030303030303744848907603030303030303
          0303030303030303030303030348000303030303030303030303030303030303
          030303030303053A444444444444444444444444444444444444443A0506ADAD
          ADADADADADADADADADADADADADADADADADADAD06000303030303030303030303
          03030303030303030303030303030303000003030303030303033F4A3F3F3F4A
          3F030303030303030305367C7C7C7C7C7CBBBC3F3F3FBCBB7C7C7C7C7C7C3605
          06797979797979797EB8B4B4B4B87E7979797979797906000000000000000000
          0000000000030303038603030303030303038603030303030303038603030303
          0000040303030303030303030303030303030303030304051203030303030303
          0303030303030303030312050614141414141414141414141414141414141414
          0600487503030303030303030303030303030303030303037548487403030303
          0303030303030303030303030303030374484890760303030303030303030303
          0303030303030303034800030303030303030303030303030303030303030303
          0303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F3A0506333030303030
          3030303030303030303030303030330600030303030303030303030303030303
          0303030303030303030303030000030303030303030303493F3F3F4903030303
          030303030305367D7D7D7D7D7D7C4F3F3F3F4F7C7D7D7D7D7D7D360506B9B9B9
          B9B9B9B979BAB4B4B4BA79B9B9B9B9B9B9B90600000000000000000000000000
          0003030303030303030303030303030303030303030303030303030300000403
          0303030303030303030303030303030303030405120303030303030303030303
          0303030303031205061414141414141414141414141414141414141406004875
          0303030303030303030303030303030303030303754848740303030303030303
          0303030303030303030303037448489076030303030303030303030303030303
          030303030348000303030303030303030303030303030303030303030303051C
          122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C050643AB2525252525252525
          252525252525252525AB43060003030303030303030303030303030303030303
          0303030303030303000003030303030303031F413F3F3F411F03030303030303
          03051227272727272DB6B33F3F3FB3B62D27272727271205064242424242423C
          73B7B4B4B4B7733C424242424242060000000000000000000000000000030303
          0303030303030303030303030303030303030303030303030000040F03030303
          030303030303030303030303030F04052B120303030303030303030303030303
          03122B05062A14141414141414141414141414141414142A0600487503030303
          0303030303030303030303030303030375484874030303030303030303030303
          0303030303030303744848907603030303030303030303030303030303030303
          0348000303030303030303030303030303030303030303030303057B3A5B5B5B
          5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9A9A9A9A9A9A9A9A9A9A9A9
          A9A9A9A9A9A8A7060003030303AA03030303030303033F03030303030303033F
          030303030000030303030303031F413F4A3F4A3F411F0303030303030305122D
          2D2D2D2DB6B33FB34FB33FB3B62D2D2D2D2D1205063C3C3C3C3C3C73B7B4B810
          B8B4B7733C3C3C3C3C3C06000000000000000000000000000003030303030303
          0303030303030303030303030303030303030303000004B00F03030303030303
          03030303030303030FB004057B2B1212121212121212121212121212122B7B05
          06232A1414141414141414141414141414142A23060048750303030303030303
          0303030303030303030303037548487403030303030303030303030303030303
          0303030374484890760303030303030303030303030303030303030303480003
          0303030303030303030303030303030303030303030305050505050505050505
          0505050505050505050505050506060606060606060606060606060606060606
          0606060600030303AAAAAA0303030303033F3F3F0303030303033F3F3F030303
          000003030303030303B13F4A3F033F4A3FB103030303030303051C3636363636
          B23FB3823682B33FB236363636361C05064E4E4E4E4E4EAFB4B5434E43B5B4AF
          4E4E4E4E4E4E0600000000000000000000000000000303030303030303030303
          0303030303030303030303030303030300000004040404040404040404040404
          0404040404040000050505050505050505050505050505050505050000060606
          0606060606060606060606060606060600004875030303030303030303030303
          0303030303030303754848740303030303030303030303030303030303030303
          7448489076030303030303030303030303030303030303030348000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000303AAAAAAAAAA030303033F4A3F4A3F030303033F4A3F4A3F030300000303
          03030303033F3F3F0303033F3F3F03030303030303051C3B3B3B3B3BACAE823B
          3B3B82AEAC3B3B3B3B3B1C0506333333333333AFAF4333333343AFAF33333333
          3333060000000000000000000000000000039F53535353539F0303ACA3A3A3A3
          A3AC0303ACA3A3A3A3A3AC030000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000487503030303030303030303030303030303
          0303030375484874030303030303030303030303030303030303030374484890
          7603030303030303030303030303030303030303034800000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          000000000000000000000000000000000000000000000000000000000003AAAA
          AAAAAAAAAA03033F3F3F3F3F3F3F03033F3F3F3F3F3F3F030000030303030303
          0303030303030303030303030303030303053A44444444444444444444444444
          4444444444443A0506ADADADADADADADADADADADADADADADADADADADADAD0600
          0000000000000000000000000003AAAAAAAAAAAAAA03033F3F3F3F3F3F3F0303
          3F3F3F3F3F3F3F03000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000003484848
          4848484803000000000048750303030303030303030303030303030303030303
          7548487403030303030303030303030303030303030303037448489076030303
          0303030303030303030303030303030303480003484848484848480300000000
          0000000000000000000000000000000000000000000000000000000000000000
          00000000000000000000000000000000000000000000000000039F5353535353
          9F0303ACA3A3A3A3A3AC0303ACA3A3A3A3A3AC03000003030303030303030303
          03030303030303030303030303053A2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F2F
          2F2F3A0506333030303030303030303030303030303030303033060000000000
          0000000000000000000303AAAAAAAAAA030303033F4A3F4A3F030303033F4A3F
          4A3F030300004866848484848484848484848484848484848466484885848484
          848484848484848484848484848485480000000000000000486B767676767681
          4800000000004875030303030303030303030303030303030303030375484874
          0303030303030303030303030303030303030303744848907603030303030303
          030303030303030303030303034800486D5555555555544800008B0404040404
          0404040404048B0000008C05050505050505050505058C0000008D0606060606
          0606060606068D00000000000000000000000000000303030303030303030303
          0303030303030303030303030303030300000303030303030303030303030303
          030303030303030303051C122B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B2B121C05
          0643AB2525252525252525252525252525252525AB4306000000000000000000
          0000000000030303AAAAAA0303030303033F3F3F0303030303033F3F3F030303
          0000486603030303030303030303030303030303036648488503030303030303
          0303030303030303030385480000000000000000485503030303037648000000
          0000487503030303030303030303030303030303030303037548487403030303
          0303030303030303030303030303030374484890760303030303030303030303
          03030303030303030348004890030303030355480000040F0303030303030303
          030F04000000053A5B5B5B5B5B5B5B5B5B3A0500000006363B3B3B3B3B3B3B3B
          3B36060000000000000000000000000000030303030303030303030303030303
          0303030303030303030303030000030303030303030303030303030303030303
          0303030303057B3A5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B5B3A7B0506A7A8A9
          A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A8A70600000000000000000000000000
          0003030303AA03030303030303033F03030303030303033F0303030300004866
          0303030303030303030303030303030303664848850303030303030303030303
          0303030303038548000000000000000048550303030303764800000000004875
          0303030303030303030303030303030303030303754848740303030303030303
          0303030303030303030303037448489076030303030303030303030303030303
          030303030348004890030303030355480000040F0F0F0FA60F0F0F0F0F0F0400
          0000053A1C1C1C861C1C1C1C1C3A050000000636575757975757575757360600
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000003030303030303030303030303030303030303030303
          0305050505050505050505050505050505050505050505050606060606060606
          0606060606060606060606060606060000000000000000000000000000030303
          0303030303030303030303030303030303030303030303030000486603030303
          0303030303030303030303030366484885030303030303030303030303030303
          0303854800000000000000004855030303030376480000000000487503030303
          0303030303030303030303030303030375484874030303030303030303030303
          0303030303030303744848907603030303030303030303030303030303030303
          0348004890030303030355480000040F161651948A161616160F04000000051C
          12120B948A121212121C0500000006365E5EA5949F5E5E5E5E36060000000809
          0909090909090909090909090909090909090909090909090909090909090909
          0909090908000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000003030303030303
          0303030303030303030303030303030303030303000048660303030303030303
          0303030303030303036648488503030303030303030303030303030303038548
          0000000000000000485503030303037648000000000048750303030303030303
          0303030303030303030303037548487403030303030303030303030303030303
          0303030374484890760303030303030303030303030303030303030303480048
          90030303030355480000040F3135949494463131310F04000000051C2B179494
          94532B2B2B1C05000000062D64A1949494836464642D06000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          0900030303030303030303030303030303038147484848484848484848484848
          4781814748484848484848484848484847810003030303766D76030303030303
          0303766D760303030303030303766D7603030303000000000000000000000000
          0000000000000000000000000000000000004866030303030303030303030303
          0303030303664848850303030303030303030303030303030303854800000000
          0000000048550303030303764800000000004875030303030303030303030303
          0303030303030303754848740303030303030303030303030303030303030303
          7448489076030303030303030303030303030303030303030348004890030303
          0303554800000416719494A2949424313116040000000512499494019494912F
          2F120500000006275A9494A39494A45C5C270600000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000303
          0303030303030303030303030303474848484848484848484848484848474748
          4848484848484848484848484847000303037698489876030303030303769848
          9876030303030303769848987603030300484848484848484848484848484848
          4848484848484848484848480000486603030303030303030303030303030303
          0366484885030303030303030303030303030303030385480000000000000000
          485455555555556B480000000000487503030303030303030303030303030303
          0303030375484874030303030303030303030303030303030303030374484890
          7603030303030303030303030303030303030303034800487790909090906D48
          000004169A9451340794A00E34160400000005129A940B445394A09544120500
          0000064B9D94A1457794A021454B060000000903030303030303030303030303
          0303030303030303030303030303030303030303030303030900480303030303
          0303030303030303030348484848484848484848484848484848484848484848
          4848484848484848484800030376984848489876030303037698484848987603
          03030376984848489876030300030303030303036B4848484848484848484803
          0303030303036B48000048660303030303030303030303030303030303664848
          8503030303030303030303030303030303038548000000000000000003484848
          4848484803000000000048750303030303030303030303030303030303030303
          7548487403030303030303030303030303030303030303037448489076030303
          0303030303030303030303030303030303480003484848484848480300000431
          0E711818189E9493503104000000052B95903B3B3B0D94931B2B05000000064B
          215A3E3E3E9F94969B4B06000000090303030303030303030303030303030303
          0303030303030303030303030303030303030303090048030303030303030303
          0303030303034848484848484848484848484848484848484848484848484848
          4848484848480003769848484848489876030376984848484848987603037698
          484848484898760300030303030303036B484848484848484848480303030303
          03036B4800004866030303030303030303030303030303030366484885030303
          0303030303030303030303030303854800000000000000000007070707070707
          0000000000004875030303030303030303030303030303030303030375484874
          0303030303030303030303030303030303030303744848907603030303030303
          0303030303030303030303030348000007070707070707000000043118181818
          186199949A3104000000052F36363636361B99949A2F05000000065738383838
          389B9C949D570600000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309004803030303030303030303030303
          0303484848484848484848484848484848484848484848484848484848484848
          4848007698484848484848489876769848484848484848987676984848484848
          4848987600030303030303036B48030303030303036B48030303030303036B48
          0000486603030303030303030303030303030303036648488503030303030303
          0303030303030303030385480000000000000000071804040404049207000000
          0000487503030303030303030303030303030303030303037548487403030303
          0303030303030303030303030303030374484890760303030303030303030303
          0303030303030303034800070C03030303031907000004315050505050500E93
          940E04000000052F2D2D2D2D2D2D8293949505000000065E3232323232322196
          9497060000000903030303030303030303030303030303030303030303030303
          0303030303030303030303030900480303030303030303030303030303034848
          4848484848484848484848484848484848484848484848484848484848480098
          4848484848484848489898484848484848484848989848484848484848484898
          00030303030303036B48030303030303036B48030303030303036B4800004866
          0303030303030303030303030303030303664848850303030303030303030303
          0303030303038548000303030303030007030303030303040700000000004875
          0303030303030303030303030303030303030303754848740303030303030303
          0303030303030303030303037448485F861A1A1A1A1A1A1A1A1A1A1A1A1A1A1A
          1A1A1A1A1A480007040303030303030700000434505050505050500A71340400
          000005442D2D2D2D2D2D2D8F90440500000006282E2E2E2E2E2E2E7B5A280600
          0000090303030303030303030303030303030303030303030303030303030303
          0303030303030303090048030303030303919103030303030303484848484848
          4848484848484848484848484848484848484848484848484848004848484848
          4848484848484848484848484848484848484848484848484848484800030303
          030303036B48030303030303036B48030303030303036B480000486603030303
          0303030303030303030303030366484885030303030303030303030303030303
          0303854800030303030303000703030303030304070000000000486D1A030303
          0303030303030303030303030303031A6D4848741A0303030303030303030303
          030303030303031A744848778E86868686868686868686868686868686868686
          874800070403030303030307000004183434343434343434341804000000053B
          2626262626262626263B05000000062828282828282828282828060000000903
          0303030303030303030303030303030303030303030303030303030303030303
          030303030900480303030303876D6D8703030303030348484848484848484848
          4848484848484848484848484848484848484848484800484848484848484848
          4848484848484848484848484848484848484848484848480003030303030303
          6B48030303030303036B48030303030303036B48000048660303030303030303
          0303030303030303036648488503030303030303030303030303030303038548
          0003036C6C03030007030303030303040700000000004854661A030303030303
          030303030303030303031A665448486B681A0303030303030303030303030303
          03031A686B484855818181818181818181818181818181818181818169480007
          040303030303030700008B04040404040404040404048B0000008C0505050505
          0505050505058C0000008D06060606060606060606068D000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09004803030303766B48486B7603030303034848484848484848484848484848
          4848484848484848484848484848484848480048484848484848484848484848
          484848484848484848484848484848484848484800030303030303036B480303
          03030303036B48878787878787876D4800004866030303030303030303030303
          0303030303664848850303030303030303030303030303030303854800034848
          6C03030007030303030303040700000000000363546D75757575757575757575
          7575757575756D54630303636B7474747474747474747474747474747474746B
          6303036355666666666666666666666666666666666666556303000704030303
          0303030700000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309004803
          03031A8548484848851A03030303484848484848484848484848484848484848
          4848484848484848484848484848004848484848484848484848484848484848
          4848484848484848484848484848484800030303030303036B48030303030303
          036B48878787878787876D480000486603030303030303030303030303030303
          0366484885030303030303030303030303030303030385480003484803030300
          0703030303030304070000000000030348484848484848484848484848484848
          4848484803030303484848484848484848484848484848484848484803030303
          4848484848484848484848484848484848484848030300070403030303030307
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000903030303030303030303030303
          0303030303030303030303030303030303030303030303030900480303037647
          4848484847760303030348484848484848484848484848484848484848484848
          4848484848484848484800484848484848484848484848484848484848484848
          4848484848484848484848480007070707070707070707070707070707070707
          0707070707070707000048666203030303030303030303030303030362664848
          85620303030303030303030303030303036285480003036C6C03030007190303
          0303031807000000000000000404040404040404040404040404040404040404
          0000000005050505050505050505050505050505050505050000000006060606
          06060606060606060606060606060606000000078A04040404040C0700000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000090303030303030303030303030303030303
          0303030303030303030303030303030303030303090048030303030303030303
          0303030303034848484848484848484848484848484848484848484848484848
          4848484848480048484848484848484848484848484848484848484848484848
          4848484848484848000303030303030303078989898989898989890303030303
          0303030700004866860303030303030303030303030303038666484855870303
          03030303030303030303030303875548000348486C0303000007070707070707
          000000000000000D0E0F030303030303030303030303030303030F0E0D000010
          1112121212121212121212121212121212121211100000068862030303030303
          0303030303030303030362880600000007070707070707000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309004803030303030303030303030303
          0303484848484848484848484848484848484848484848484848484848484848
          4848004848484848484848484848484848484848484848484848484848484848
          4848484800030303030303030307898989898989898989030303030303030307
          0000038467620303030303030303030303030362678403038466620303030303
          0303030303030303626684030003484803030300000000000000000000000000
          0000040E03030303030303030303030303030303030303030E04051112120303
          0303030303030303030303030303121211050623140303030303030303030303
          0303030303030303060600000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000903030303030303030303030303030303030303030303030303
          0303030303030303030303030900480303030303030303030303030303034848
          4848484848484848484848484848484848484848484848484848484848480048
          4848484848484848484848484848484848484848484848484848484848484848
          0003030303030303030703030303030303030703030303030303030700000348
          5567866203030303030303030362866755480303488566876203030303030303
          03036287668548030003036C6C030300030303036C6C036C6C036C6C0000040F
          03030303030303030303030303030303030303030F0405121203030303030303
          0303030303030303030303121205062A14030303030303030303030303030303
          0303030306060003484848484848484848480303484848484848484848480300
          036277546B6B6B6B6B5477620000000000000000000000000000000000000000
          0000090303030303030303030303030303030303030303030303030303030303
          0303030303030303090048030303030303030303030303030303484848484848
          4848484848484848484848484848484848484848484848484848004848484848
          4848484848484848484848484848484848484848484848484848484800030303
          0303030303070303030303030303070303030303030303070000030348846666
          6666666666666666666666844803030303488455858585858585858585858555
          84480303000348486C03030003030348486C48486C48486C0000040303030303
          0303030303030303030303030303030303040512030303030303030303030303
          0303030303030303120506141403030303030303030303030303030303030303
          03060048556767676767676767554848556A6A6A6A6A6A6A6A554800626D6348
          4848484863556A77000000000000000000000000000000000000000000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309004803030303030303030303030303030348484848484848484848
          4848484848484848484848484848484848484848484800484848484848484848
          4848484848484848484848484848484848484848484848480003030303030303
          0307030303030303030307030303030303030307000003030303484848484848
          4848484848484803030303030303034848484848484848484848484803030303
          0003484803030300030303484803484803484803000004030303030303030303
          0303030303030303030303030304051203030303030303030303030303030303
          0303030312050614140303030303030303030303030303030303030303060048
          6775747474747474756748486A75747474747474756A4800556C760303030303
          1A54555400000000000000000000000000000000000000000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          0900480303030303030303030303030303034848484848484848484848484848
          4848484848484848484848484848484848480048484848484848484848484848
          4848484848484848484848484848484848484848000303030303030303070303
          0303030303030703030303030303030700000103171717171717171717171717
          171717171703010203070707070707070707070707070707070703020003036C
          6C030300030303030303036C6C036C6C00000403030303030303030303030303
          0303030303030303030405120303030303030303030303030303030303030303
          1205061414030303030303030303030303030303030303030306004867740303
          03030303746748486A74030303030303746A4800636B030303030303031A636B
          0000000000000000000000000000000000000000000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000303
          0303030303030303030303030303474848484848484848484848484848474748
          4848484848484848484848484847006D4848484848484848486D6D4848484848
          484848486D6D4848484848484848486D00030303030303030307030303030303
          0303071414141414141482830000010303030303030303030303030303030303
          030301020303030303030303030303030303030303030302000348486C030300
          03030303030348486C48486C0000040303030303030303030303030303030303
          0303030303040512030303030303030303030303030303030303030312050614
          1403030303030303030303030303030303030303030600486774030303030303
          746748486A74030303030303746A4800486B0303030303030303486B00000000
          0000000000000000000000000000000000000903030303030303030303030303
          0303030303030303030303030303030303030303030303030900030303030303
          0303030303030303030381474848484848484848484848484781814748484848
          4848484848484848478100766D484848484848486D76766D484848484848486D
          76766D484848484848486D760003030303030303030703030303030303030714
          1414141414148283000001030303030303030303030303030303030303030102
          0303030303030303030303030303030303030302000348480303030003030303
          0303484803484803000004030303030303030303030303030303030303030303
          0304051203030303030303030303030303030303030303031205061414030303
          0303030303030303030303030303030303060048677403030303030374674848
          6A74030303030303746A4800486B0303030303030303486B0000000000000000
          0000000000000000000000000000090303030303030303030303030303030303
          0303030303030303030303030303030303030303090003030303030303030303
          0303030303030505050505050505050505050505050506060606060606060606
          0606060606060003030303040404030303030303030305050503030303030303
          0306060603030303000000000000000000000000000000000000000000000000
          0000000000000103030303030303030303030303030303030303010203030303
          0303030303030303030303030303030200030303030303000303030303030303
          03036C6C00000403030303030303030303030303030303030303030303040512
          0303030303030303030303030303030303030303120506141403030303030303
          030303030303030303030303030600486774030303030303746748486A740303
          03030303746A4800486B0303030303030303486B004848484848484848484848
          4848484848484800000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309000303030303030303030303030303
          030305257D7D7D7D7D7D7D7D7D7D7D7D2505067E7F7F7F7F7F7F7F7F7F7F7F7F
          7E0600030303040407040403030303030305057B050503030303030306068006
          0603030300484848484848484848484848484848484848484848484848484848
          0000010303030303030303030303030303030303030301020303030303030303
          030303030303030303030302000303030303030003030303030303030348486C
          0000040303030303030303030303030303030303030303030304051203030303
          0303030303030303030303030303030312050614140303030303030303030303
          0303030303030303030600486774030303030303746748486A74030303030303
          746A4800486B0303030303030303486B00480303030303030348480303030303
          0303480000000903030303030303030303030303030303030303030303030303
          03030303030303030303030309000A030303030303030303030303030303057C
          7C7C7C7C7C7C7C7C7C7C7C7C7C05067979797979797979797979797979060003
          030404087A080404030303030505403A4005050303030306067B4B7B06060303
          0048030303030303034848030303030303034848030303030303034800000103
          0303030303030303030303030303030303030102030303030303030303030303
          0303030303030302000303030303030003030303030303030348480300000403
          0303030303030303030303030303030303030303030405120303030303030303
          0303030303030303030303031205061414030303030303030303030303030303
          0303030303060048676D0303030303036D674848697503030303030375694800
          48541A0303030303030348540048030303030303034848030303030303034800
          0000090303030303030303030303030303030303030303030303030303030303
          030303030303030309000A030303030303030303030303030303057878787878
          787878787878787878050679797979797979797979797979790600030404717A
          7A7A71040403030505721C1C1C720505030306067B5757577B06060300480303
          0303030303484803030303030303484803030303030303480000010303030303
          0303030303030303030303030303010203030303030303030303030303030303
          0303030200030303030303000303030303030303030303030000040303030303
          0303030303030303030303030303030303040512030303030303030303030303
          0303030303030303120506141403030303030303030303030303030303030303
          03060048666A6D747474746D6A66484868697574747474756968480063676A1A
          0303030303766377004803030303030303484803030303030303480000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309000A030303030303030303030303030303056E6E6E6E6E6E6E6E6E
          6E6E6E6E6E05066F6F6F6F6F6F6F6F6F6F6F6F6F6F0600040471707070707071
          0404050572121212121272050506067357575757577306060048030303030303
          0348480303030303030348480303030303030348000001030303030303030303
          0303030303030303030301020303030303030303030303030303030303030302
          0003030303030300030303030303030303030303000004030303030303030303
          0303030303030303030303030304051203030303030303030303030303030303
          0303030312050614140303030303030303030303030303030303030303060003
          6366676767676767666303036368696A6A6A6A6968630300555467546B6B6B6B
          6B6C6D6200480303030303030348480303030303030348000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09000A030303030303030303030303030303056E6E6E6E6E6E6E6E6E6E6E6E6E
          6E05066F6F6F6F6F6F6F6F6F6F6F6F6F6F0600041F707070707070707104051B
          12121212121212720506405E5E5E5E5E5E5E7306004803030303030303484803
          0303030303034848030303030303034800000103030303030303030303030303
          0303030303030102030303030303030303030303030303030303030200030707
          0303030003030303030303030303030300000403030303030303030303030303
          0303030303030303030405120303030303030303030303030303030303030303
          1205061414030303030303030303030303030303030303030306000303484848
          4848484848030303034848484848484848030300625563484848484863556203
          0048030303030303034848030303030303034800000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000A03
          0303030303030303030303030303056464646464642727646464646464050665
          65656565651E1E65656565656506000434616161616161616104055B2B2B2B2B
          2B2B2B2B05062B64646464646464640600480303030303030348480303030303
          0303484803030303030303480000010303030303030303030303030303030303
          0303010203030303030303030303030303030303030303020003070703030300
          0303030303030303030303030000040303030303030303030303030303030303
          0303030303040512030303030303030303030303030303030303030312050614
          1403030303030303030303030303030303030303030600000101010101010101
          0101000002020202020202020202000003030303030303030303030300480303
          0303030303484803030303030303480000000903030303030303030303030303
          03030303030303030303030303030303030303030303030309000A0303030303
          035D5D03030303030303055E5E5E5E5E275F5F275E5E5E5E5E05065959595959
          25606025595959595906000431616161616161616104055B2B2B2B2B2B2B2B2B
          05062B5C5C5C5C5C5C5C5C060048030303030303034848030303030303034848
          0303030303030348000001030303030303030303030303030303030303030102
          0303030303030303030303030303030303030302000303030303030003030307
          0703070703070703000004030303030303030303030303030303030303030303
          0304051203030303030303030303030303030303030303031205061414030303
          0303030303030303030303030303030303060001080303030303030303080102
          5303030303030303035302000708070707070707074631030047545555555555
          5447475455555555555447000000090303030303030303030303030303030303
          030303030303030303030303030303030303030309000A0303030303563F3F56
          030303030303055757575727583F3F582757575757050659595959305A3F3F5A
          305959595906000431505050505050505004055B2F2F2F2F2F2F2F2F05062B5C
          5C5C5C5C5C5C5C06004803030303030303484803030303030303484803030303
          0303034800000103030303030303030303030303030303030303010203030303
          0303030303030303030303030303030200030707030303000303030707030707
          0307070300000403030303030303030303030303030303030303030303040512
          0303030303030303030303030303030303030303120506141403030303030303
          0303030303030303030303030306000103171717171717171703010203070707
          0707070707030200070824030303030307074603000347484848484847030347
          4848484848470300000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309000A03030303494A3F3F4A49030303
          0303054B4B4B274C4A3F3F4A4C274B4B4B05064D4D4D4E4F4A3F3F4A4F4E4D4D
          4D06000431505151515151505004053A443737373737444405062F4552525252
          5245450600484848484848484848484848484848484848484848484848484848
          0000010303030303030303030303030303030303030301020303030303030303
          0303030303030303030303020003070703030300030303030303030303030303
          0000040303030303030303030303030303030303030303030304051203030303
          0303030303030303030303030303030312050614140303030303030303030303
          0303030303030303030600010317030303030303170301020307030303030303
          0703020007190303030303030307070300010101010101010101020202020202
          0202020000000903030303030303030303030303030303030303030303030303
          03030303030303030303030309000A0303033F3F3F3F3F3F3F3F030303030527
          272740413F3F3F3F4140272727050642424243413F3F3F3F4143424242060004
          16181818181818181804053A444444444444444405062F454545454545454506
          000A0A0A0A0A0A0A0A0A07070707070707070707070707070707070700000103
          0303030303030303030303030303030303030102030303030303030303030303
          0303030303030302000303030303030003030303030307070307070300000403
          0303030303030303030303030303030303030303030405120303030303030303
          0303030303030303030303031205061414030303030303030303030303030303
          0303030303060001031703030303030317030102030703030303030307030200
          0703030303030303030307030001030303030303030102030303030303030200
          0000090303030303030303030303030303030303030303030303030303030303
          030303030303030309000A030303030303030303030303030303052D2D2D2D2D
          2D2D2D2D2D2D2D2D2D05063C3C3C3C3C3C3C3C3C3C3C3C3C3C06000416183D3D
          3D3D3D181804053A3B37373737373B3B05062F3E39393939393E3E06000A0303
          03030303030A0703030303030303070703030303030303070000010303030303
          0303030303030303030303030303010203030303030303030303030303030303
          0303030200030707030303000303030303030707030707030000040303030303
          0303030303030303030303030303030303040512030303030303030303030303
          0303030303030303120506141403030303030303030303030303030303030303
          0306000103170303030303031703010203070303030303030703020007030303
          0303030303030703000103030303030303010203030303030303020000000903
          0303030303030303030303030303030303030303030303030303030303030303
          0303030309000A03030303030303030303030303030305363636363636363636
          3636363636050633333333333333333333333333330600041634343434343434
          3404053A3B3B3B3B3B3B3B3B050622383838383838383806000A030303030303
          030A070303030303030307070303030303030307000001030303030303030303
          0303030303030303030301020303030303030303030303030303030303030302
          0003070703030300030303030303030303030303000004030303030303030303
          0303030303030303030303030304051203030303030303030303030303030303
          0303030312050614140303030303030303030303030303030303030303060001
          0317030303030303170301020307030303030303070302000703030303030303
          0303070300010303030303030301020303030303030302000000090303030303
          0303030303030303030303030303030303030303030303030303030303030303
          09000A0303030303030303030303030303030526262626262626262626262626
          260506333333333333333333333333333306000416343535353535343404051C
          3637373737373636050622383939393939383806000A030303030303030A0703
          030303030303070703030303030303070000010C030303030303030303030303
          03030303030C01020C03030303030303030303030303030303030C0200030303
          0303030003030303030303030307070300000403030303030303030303030303
          0303030303030303030405120303030303030303030303030303030303030303
          1205061414141414141414141414141414141414141414141406000103170303
          0303030317030102030703030303030307030200070303030303030303030703
          0001030303030303030102030303030303030200000009030303030303030303
          0303030303030303030303030303030303030303030303030303030309000A03
          0303030303030303030303030303052F2F2F2F2F2F2F2F2F2F2F2F2F2F050630
          303030303030303030303030300600040F313131313131313104051C2D2D2D2D
          2D2D2D2D050622323232323232323206000A030303030303030A070303030303
          0303070703030303030303070000000B03030303030303030303030303030303
          030B000001030303030303030303030303030303030301000003070703030300
          0303030303030303030707030000040F03030303030303030303030303030303
          030303030F040512120303030303030303030303030303030303031212050614
          14141414141414141414141414141414141414142A0600011617030303030303
          1716010216070303030303030716020007030303030303030303070300010303
          0303030303010203030303030303020000000903030303030303030303030303
          03030303030303030303030303030303030303030303030309000A0303030303
          03030303030303030303052B2B2B2B2B2B2B2B2B2B2B2B2B2B05062C2C2C2C2C
          2C2C2C2C2C2C2C2C2C0600040F161616161616161604051C2D2D2D2D2D2D2D2D
          0506222E2E2E2E2E2E2E2E06000A030303030303030A07030303030303030707
          0303030303030307000000011F0303030303030303030303030303031F010000
          0215030303030303030303030303030303150200000307070303030003030303
          03030303030303030000040E0303030303030303030303030303030303030303
          0E04051112120303030303030303030303030303030312121105061314141414
          1414141414141414141414141414141423060001151F1717171717171F150102
          170A0707070707070A1702000718030303030303032407030001030303030303
          0301020303030303030302000000090303030303030303030303030303030303
          030303030303030303030303030303030303030309000A030303030303030303
          0303030303030512121212121212121212121212120506252525252525252525
          25252525250600040F0F0F0F0F0F0F0F0F04051C262727272727272705062228
          2929292929292906000A030303030303030A0703030303030303070703030303
          0303030700000000010B0C03030303030303030303030C0B010000000002010C
          03030303030303030303030C0102000000030303030303000303030303030303
          030303030000000D0E0F030303030303030303030303030303030F0E0D000010
          1112121212121212121212121212121212121211100000061314141414141414
          1414141414141414141414130600000001151603030303161501000002171603
          030303161702000007071803030303031908080300011903030303031901021A
          03030303031A0200000009030303030303030303030303030303030303030303
          0303030303030303030303030303030309000303030303030303030303030303
          0303051B1C1C1C1C1C1C1C1C1C1C1C1C1B05061D1E1E1E1E1E1E1E1E1E1E1E1E
          1D0600041F030303030303031F0405201C1C1C1C1C1C1C200506212222222222
          22222106000A030303030303030A070303030303030307070303030303030307
          0000000000000101010101010101010101010100000000000000000202020202
          0202020202020202000000000003030303030300030303030303030303030303
          0000000004040404040404040404040404040404040404040000000005050505
          0505050505050505050505050505050500000000060606060606060606060606
          0606060606060606000000000001010101010101010000000002020202020202
          0200000007070707070707070707070300000101010101010100000202020202
          0202000000000809090909090909090909090909090909090909090909090909
          0909090909090909090909090800030303030303030303030303030303030505
          0505050505050505050505050505060606060606060606060606060606060004
          0404040404040404040405050505050505050505050606060606060606060606
          000A0A0A0A0A0A0A0A0A0707070707070707070707070707070707070000}
      end
    >
    SkinDirectory = '../share/quelm-launcher/skins'
    SkinName = 'Office12Style (internal)'
    SkinnedPopups = False
  end
  object sSkinProvider1: TsSkinProvider
    ShowAppIcon = False
    SkinData.SkinSection = 'FORM'
  end
end
